// Resource identifiers shared by test.rc and the tests.
#pragma once

#define IDB_STRIP 100
#define IDS_TIP_OPEN 2001
