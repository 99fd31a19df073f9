#pragma once
// What a calculator module's file needs to state its module: the catalogue's
// types. Each module file declares its module `extern` (a const object has
// internal linkage otherwise) and defines it; calc/catalogue.cpp declares it
// again and puts it into its row.
#include "core/catalogue.h"
