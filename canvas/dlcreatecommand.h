#pragma once

#include "dlmarksnapshotcommand.h"

// A mark was created: undo removes it, redo builds it again from the stored values.
using DLCreateCommand = DLMarkLifeCommand<true>;
