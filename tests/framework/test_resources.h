// Ids of the framework tests' own resources (read by windres and C++).
#pragma once

#define IDR_TEST_FRAME 128
#define IDR_TEST_TOOLBAR 338
#define IDD_TEST_DIALOG 100
#define IDC_TEST_EDIT 1001

#define ID_TEST_FIRST 32773
#define ID_TEST_SECOND 32774
#define ID_TEST_THIRD 32775
#define ID_TEST_UNHANDLED 32790
#define ID_TEST_NEW 57600
#define ID_TEST_OPEN 57601
#define ID_TEST_EXIT 57665
#define IDS_TEST_IDLE 57345
