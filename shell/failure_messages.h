#pragma once

#include "common/file_ops.h"
#include "platform/dialogs.h"

namespace spinfolio {

/// The error box of a catalog file that could not be written, naming the file and the system's
/// reason, in the language of the index.
MessageRequest FileWriteFailure(const FileFailure& failure, int languageIndex);

}  // namespace spinfolio
