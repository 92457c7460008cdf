#include "fetch/host_key.h"

#include <openssl/sha.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace vdbq::fetch {

std::string Base64(std::string_view bytes, bool padded) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned value = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) text += kAlphabet[(value >> shift) & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest == 0) return text;
  unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
  if (rest == 2) value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
  text += kAlphabet[(value >> 18) & 63];
  text += kAlphabet[(value >> 12) & 63];
  if (rest == 2) text += kAlphabet[(value >> 6) & 63];
  if (padded) text.append(3 - rest, '=');
  return text;
}

std::string HostKeyFingerprint(std::string_view keyBlob) {
  unsigned char digest[SHA256_DIGEST_LENGTH];
  SHA256(reinterpret_cast<const unsigned char*>(keyBlob.data()), keyBlob.size(), digest);
  return "SHA256:" + Base64({reinterpret_cast<const char*>(digest), sizeof digest}, false);
}

std::string KnownHostsLine(const Endpoint& server, std::string_view keyType,
                           std::string_view keyBlob) {
  const std::string host =
      server.Port == 22 ? server.Host : "[" + server.Host + "]:" + std::to_string(server.Port);
  return host + " " + std::string(keyType) + " " + Base64(keyBlob, true);
}

std::string AppendKnownHostsLine(const std::string& file, const std::string& line) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path path(file);
  if (path.has_parent_path() && !fs::exists(path.parent_path(), error)) {
    fs::create_directories(path.parent_path(), error);
    fs::permissions(path.parent_path(), fs::perms::owner_all, error);
  }
  const bool created = !fs::exists(path, error);
  std::string prefix;
  if (!created) {
    std::ifstream existing(path, std::ios::binary | std::ios::ate);
    if (existing && existing.tellg() > 0) {
      existing.seekg(-1, std::ios::end);
      if (existing.get() != '\n') prefix = "\n";
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) return "Known Hosts File Not Written: " + file;
  out << prefix << line << '\n';
  out.close();
  if (!out) return "Known Hosts File Not Written: " + file;
  if (created) fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, error);
  return "";
}

}  // namespace vdbq::fetch
