// Resource and command ids of the framework tests.
#pragma once

#define TEST_DIALOG 200
#define TEST_FRAME 201
#define TEST_CHECK 1201
#define TEST_TEXT 1202
#define TEST_NUMBER 1203
#define TEST_CMD_ENABLED 40001
#define TEST_CMD_DISABLED 40002
#define TEST_CMD_CHECKED 40003
#define TEST_CMD_UNHANDLED 40004
