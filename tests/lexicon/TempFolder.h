#pragma once
#include "../support/TempFolder.h"
