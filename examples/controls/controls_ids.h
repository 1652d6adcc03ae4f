// Identifiers shared by the controls example's resource script and its code.
#pragma once

#define IDI_CONTROLS 100
