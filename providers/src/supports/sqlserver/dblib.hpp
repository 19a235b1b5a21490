// FreeTDS db-lib, in its Microsoft flavour (DBDATEREC2 with Microsoft's field names:
// year, month 1-12, day ...), which is what tdsdbopen(..., 1) fills.
#pragma once

#ifndef MSDBLIB
#define MSDBLIB 1
#endif
#include <sybdb.h>
