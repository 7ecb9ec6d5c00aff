// Resource ids of the picture tests.
#pragma once

#define IDB_TEST_QUADRANTS 29120 // 40 x 20: red, blue / green, yellow quadrants
// The same picture as a file's bytes, and pictures of other kinds.
#define IDR_TEST_QUADRANTS_BMP 29121
#define IDR_TEST_GIF 29122  // 8 x 4: left half red, right half transparent
#define IDR_TEST_JPEG 29123 // 16 x 8: left 8 x 8 (200, 30, 30), right (30, 30, 200)
#define IDR_TEST_ICO 29124  // 16 x 16: left half red, right half transparent
