// Ids of the date-time picker template in test_datetime.rc.
#pragma once

#define IDD_TEST_DATETIME 60310

#define IDC_TEST_DATE 1101
#define IDC_TEST_TIME 1102
