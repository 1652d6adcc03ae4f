// Identifiers shared by the sample's resource script and its code.
#pragma once

#define IDM_SAMPLE 100
#define IDA_SAMPLE 100
#define IDI_SAMPLE 100
#define CMD_CLEAR 1001
#define CMD_OPEN 1020
#define CMD_END 1002
#define CMD_ABOUT 1003
