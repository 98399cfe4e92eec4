#pragma once

#include "dlmarksnapshotcommand.h"

// A mark was deleted: undo builds it again from the stored values, redo removes it.
using DLDeleteCommand = DLMarkLifeCommand<false>;
