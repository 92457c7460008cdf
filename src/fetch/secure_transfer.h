#pragma once

#include <atomic>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/settings/settings.h"
#include "core/transfer/transfer_sequence.h"
#include "fetch/extract_fetch.h"

namespace vdbq::fetch {

// The request the settings describe (protocol, host and port, login, directories, key and
// certificate files). Nothing when the host setting is empty or its port is not a number.
std::optional<FetchRequest> RequestFromSettings(const Settings& settings, Protocol protocol);

// After FetchExtracts: writes the audit line and reloads the extracts and the catalogue, as
// the FTP transfer does after its client ended. Runs where the store lives (the GUI thread).
TransferOutcome ConcludeSecureTransfer(const Settings& settings, Protocol protocol,
                                       const ExtractsFetched& fetched, AuditLog& audit,
                                       ExtractStore& store, Catalogue& catalogue);

}  // namespace vdbq::fetch
