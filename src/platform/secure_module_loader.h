#pragma once

#include <atomic>
#include <string>

#include "fetch/extract_fetch.h"
#include "fetch/secure_module.h"

namespace vdbq {

// Where the programs look for the secure module: beside the program, then in the installed
// module directory relative to it. Without a call, the application object's directory.
void SetSecureModuleProgramDirectory(const std::string& programDir);

// Opens the module on the first call and keeps it open. Nothing when it cannot be opened;
// problem then says why in one line that names the file.
const fetch::SecureModule* LoadSecureModule(std::string& problem);

// FetchExtracts through the module; a module that cannot be opened fails the fetch with why.
fetch::ExtractsFetched FetchExtractsSecurely(const fetch::FetchRequest& request, int keep,
                                             const fetch::ProgressListener& progress = {},
                                             const std::atomic<bool>* cancel = nullptr);

}  // namespace vdbq
