// Resource ids of the picture tests.
#pragma once

#define IDB_TEST_QUADRANTS 29120 // 40 x 20: red, blue / green, yellow quadrants
