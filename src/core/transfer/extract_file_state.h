#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vdbq {

// What the file system tells about one local extract file. A file the client wrote differs
// from its earlier state in at least one field: clients that keep the remote modification time
// (and an unchanged remote file keeps its size) still change the status-change time, which
// nothing can set back.
struct ExtractFileState {
  bool Exists = false;
  std::uintmax_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::int64_t ChangedNs = 0;  // status-change time where the platform keeps one, else 0
  std::uint64_t FileId = 0;    // inode number where the platform has one, else 0

  bool operator==(const ExtractFileState&) const = default;
};

ExtractFileState ReadExtractFileState(const std::string& path);

// The states of the fetched files in databaseDir, in fetch order.
std::vector<ExtractFileState> ReadFetchedFileStates(const std::string& databaseDir);

// The fetched files, in fetch order, that are missing afterwards or unchanged since before.
std::vector<std::string> FilesNotRefreshed(const std::vector<ExtractFileState>& before,
                                           const std::vector<ExtractFileState>& after);

}  // namespace vdbq
