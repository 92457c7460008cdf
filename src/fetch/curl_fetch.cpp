#include "fetch/curl_fetch.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>

#include "fetch/host_key.h"

namespace vdbq::fetch {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string Escaped(CURL* curl, const std::string& text) {
  std::string escaped;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto slash = std::min(text.find('/', start), text.size());
    const std::string segment = text.substr(start, slash - start);
    char* part = curl_easy_escape(curl, segment.c_str(), static_cast<int>(segment.size()));
    if (part) escaped += part;
    curl_free(part);
    if (slash < text.size()) escaped += '/';
    start = slash + 1;
  }
  return escaped;
}

std::string FileUrl(CURL* curl, const FetchRequest& request, const std::string& name) {
  const Endpoint& server = request.Server;
  const bool literalIpv6 = server.Host.find(':') != std::string::npos;
  std::string url = request.Transport == Protocol::kSftp ? "sftp://" : "ftp://";
  url += literalIpv6 ? "[" + server.Host + "]" : server.Host;
  url += ":" + std::to_string(server.Port) + "/";
  const bool absolute = !request.RemoteDir.empty() && request.RemoteDir.front() == '/';
  // SFTP paths are absolute, "~/" leads into the login directory; FTP without CWD sends the
  // path as it stands, so a leading "/" keeps it absolute.
  if (request.Transport == Protocol::kSftp && !absolute) url += "~/";
  return url + Escaped(curl, request.RemoteDir + name);
}

// An SSH key blob begins with its type name, as known_hosts names it.
std::string KeyTypeOfBlob(const std::string& blob) {
  if (blob.size() < 4) return "";
  const std::size_t length =
      static_cast<unsigned char>(blob[0]) << 24 | static_cast<unsigned char>(blob[1]) << 16 |
      static_cast<unsigned char>(blob[2]) << 8 | static_cast<unsigned char>(blob[3]);
  if (length > blob.size() - 4) return "";
  return blob.substr(4, length);
}

struct Transfer {
  const FetchRequest* Request = nullptr;
  const ProgressListener* Progress = nullptr;
  const std::atomic<bool>* Cancel = nullptr;
  std::FILE* Target = nullptr;
  FileProgress Current;
  std::chrono::steady_clock::time_point LastReport{};
  bool WriteFailed = false;
  // Set by the host key check when it refused the key.
  FetchResult HostKeyRefusal;
  std::string KnownHostsProblem;
};

size_t WriteToTarget(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t bytes = size * count;
  if (std::fwrite(data, 1, bytes, transfer->Target) != bytes) {
    transfer->WriteFailed = true;
    return 0;
  }
  return bytes;
}

int ReportProgress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
  auto* transfer = static_cast<Transfer*>(user);
  if (transfer->Cancel && transfer->Cancel->load()) return 1;
  if (!*transfer->Progress) return 0;
  const auto time = std::chrono::steady_clock::now();
  if (time - transfer->LastReport < kProgressInterval) return 0;
  transfer->LastReport = time;
  transfer->Current.Bytes = static_cast<std::uint64_t>(now);
  if (total > 0) transfer->Current.Total = static_cast<std::uint64_t>(total);
  (*transfer->Progress)(transfer->Current);
  return 0;
}

int CheckHostKey(CURL*, const curl_khkey*, const curl_khkey* found, curl_khmatch match,
                 void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  if (match == CURLKHMATCH_OK) return CURLKHSTAT_FINE;
  const std::string blob = found->len ? std::string(found->key, found->len) : std::string();
  FetchResult& refusal = transfer->HostKeyRefusal;
  refusal.Fingerprint = HostKeyFingerprint(blob);
  refusal.KnownHostsLine = KnownHostsLine(transfer->Request->Server, KeyTypeOfBlob(blob), blob);
  const std::string where =
      transfer->Request->Server.Host + " port " + std::to_string(transfer->Request->Server.Port);
  if (match == CURLKHMATCH_MISMATCH) {
    refusal.Status = FetchStatus::kChangedHostKey;
    refusal.Reason = "Host Key Of " + where + " Has Changed (" + refusal.Fingerprint +
                     "); Someone May Be Intercepting The Connection";
    return CURLKHSTAT_REJECT;
  }
  const bool shown = refusal.Fingerprint == transfer->Request->AcceptedFingerprint;
  switch (shown ? transfer->Request->OnUnknownHostKey : UnknownHostKey::kRefuse) {
    case UnknownHostKey::kAcceptAndRemember:
      transfer->KnownHostsProblem = AppendKnownHostsLine(transfer->Request->KnownHostsFile.empty()
                                                             ? DefaultKnownHostsFile()
                                                             : transfer->Request->KnownHostsFile,
                                                         refusal.KnownHostsLine);
      [[fallthrough]];
    case UnknownHostKey::kAcceptOnce:
      refusal = {};
      return CURLKHSTAT_FINE;
    case UnknownHostKey::kRefuse:
      break;
  }
  refusal.Status = FetchStatus::kUnknownHostKey;
  refusal.Reason = "Unknown Host Key Of " + where + " (" + refusal.Fingerprint + ")";
  return CURLKHSTAT_REJECT;
}

std::string CertificateReason(long verifyResult, const std::string& detail) {
  // OpenSSL's X509_V_ERR codes.
  switch (verifyResult) {
    case 9:
      return "Certificate Not Yet Valid";
    case 10:
      return "Certificate Expired";
    case 2:
    case 18:
    case 19:
    case 20:
    case 21:
      return "Certificate Issuer Not Trusted";
    case 23:
      return "Certificate Revoked";
    case 62:
      return "Certificate Does Not Match Host Name";
    default:
      break;
  }
  if (detail.find("subject name") != std::string::npos ||
      detail.find("does not match") != std::string::npos) {
    return "Certificate Does Not Match Host Name";
  }
  return "Certificate Not Verified: " + detail;
}

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

FetchResult Failure(CURL* curl, CURLcode code, const std::string& detail, const Transfer& transfer,
                    const std::string& name) {
  FetchResult result;
  const FetchRequest& request = *transfer.Request;
  const std::string where = request.Server.Host + " port " + std::to_string(request.Server.Port);
  switch (code) {
    case CURLE_ABORTED_BY_CALLBACK:
      result.Status = FetchStatus::kCancelled;
      result.Reason = "Transfer Cancelled";
      return result;
    case CURLE_COULDNT_RESOLVE_HOST:
      result.Reason = "Host Not Found: " + request.Server.Host;
      break;
    case CURLE_COULDNT_CONNECT:
      result.Reason = "Could Not Connect To " + where;
      break;
    case CURLE_OPERATION_TIMEDOUT:
      result.Reason = detail.find("too slow") != std::string::npos
                          ? "Transfer Of " + name + " Stalled For " +
                                std::to_string(request.StallTimeout.count()) + " Seconds"
                          : "No Answer From " + where + " Within " +
                                std::to_string(request.ConnectTimeout.count()) + " Seconds";
      break;
    case CURLE_LOGIN_DENIED:
    case CURLE_AUTH_ERROR:
      result.Reason = "Login Refused For User " + request.User;
      break;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_ACCESS_DENIED:
      result.Reason = "File Not Found On Host: " + request.RemoteDir + name;
      break;
    case CURLE_USE_SSL_FAILED:
      result.Reason = "Host Does Not Offer TLS";
      break;
    case CURLE_PEER_FAILED_VERIFICATION:
      if (!transfer.HostKeyRefusal.Reason.empty()) return transfer.HostKeyRefusal;
      if (request.Transport == Protocol::kSftp) {
        result.Reason = "Host Key Not Verified: " + detail;
      } else {
        long verifyResult = 0;
        curl_easy_getinfo(curl, CURLINFO_SSL_VERIFYRESULT, &verifyResult);
        result.Reason = CertificateReason(verifyResult, detail);
      }
      break;
    case CURLE_SSL_CACERT_BADFILE:
      result.Reason = "CA File Not Read: " + request.CaFile;
      break;
    case CURLE_WRITE_ERROR:
      result.Reason = "Could Not Write " + name;
      break;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
      result.Reason = "Transfer Of " + name + " Broken Off";
      break;
    case CURLE_SSH:
      // libssh2 reports a refused login and a lost connection alike; its text tells which.
      if (detail.find("uthentication") != std::string::npos) {
        result.Reason = "Login Refused For User " + request.User;
      } else if (detail.find("o such file") != std::string::npos) {
        result.Reason = "File Not Found On Host: " + request.RemoteDir + name;
      } else {
        result.Reason = "Transfer Of " + name + " Broken Off: " + detail;
      }
      break;
    default:
      result.Reason = std::string(curl_easy_strerror(code)) + (detail.empty() ? "" : ": " + detail);
      break;
  }
  result.Reason = OneLine(result.Reason);
  return result;
}

void SetCommonOptions(CURL* curl, const FetchRequest& request, Transfer& transfer,
                      char* errorBuffer) {
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_USERNAME, request.User.c_str());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, request.Password.c_str());
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.ConnectTimeout.count()));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(request.StallTimeout.count()));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToTarget);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  if (request.Transport == Protocol::kSftp) {
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "sftp");
    const std::string knownHosts =
        request.KnownHostsFile.empty() ? DefaultKnownHostsFile() : request.KnownHostsFile;
    curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, knownHosts.c_str());
    curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, CheckHostKey);
    curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, &transfer);
    long auth = CURLSSH_AUTH_PUBLICKEY;
    if (request.IdentityFile.empty()) {
      auth |= CURLSSH_AUTH_AGENT;
    } else {
      curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, request.IdentityFile.c_str());
    }
    if (!request.Password.empty()) auth |= CURLSSH_AUTH_PASSWORD;
    curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, auth);
  } else {
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    if (request.Transport == Protocol::kFtps) {
      curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
      if (!request.CaFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, request.CaFile.c_str());
    }
  }
}

}  // namespace

FetchResult FetchFiles(const FetchRequest& request, const std::vector<FileToFetch>& files,
                       const ProgressListener& progress, const std::atomic<bool>* cancel) {
  InitialiseCurlOnce();
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) return {FetchStatus::kFailed, "Transfer Library Not Started", "", ""};
  Transfer transfer;
  transfer.Request = &request;
  transfer.Progress = &progress;
  transfer.Cancel = cancel;
  char errorBuffer[CURL_ERROR_SIZE] = {};
  SetCommonOptions(curl.get(), request, transfer, errorBuffer);

  for (const FileToFetch& file : files) {
    std::unique_ptr<std::FILE, FileCloser> target(std::fopen(file.TargetPath.c_str(), "wb"));
    if (!target) return {FetchStatus::kFailed, "Could Not Write " + file.TargetPath, "", ""};
    transfer.Target = target.get();
    transfer.WriteFailed = false;
    transfer.Current = {file.Name, 0, std::nullopt, false};
    transfer.LastReport = {};
    const std::string url = FileUrl(curl.get(), request, file.Name);
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    errorBuffer[0] = '\0';
    const CURLcode code = curl_easy_perform(curl.get());
    const bool closed = std::fclose(target.release()) == 0;
    if (code != CURLE_OK) {
      return Failure(curl.get(), transfer.WriteFailed ? CURLE_WRITE_ERROR : code,
                     OneLine(errorBuffer), transfer, file.Name);
    }
    if (!closed) return {FetchStatus::kFailed, "Could Not Write " + file.Name, "", ""};
    curl_off_t bytes = 0;
    curl_off_t total = -1;
    curl_easy_getinfo(curl.get(), CURLINFO_SIZE_DOWNLOAD_T, &bytes);
    curl_easy_getinfo(curl.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
    if (total >= 0 && bytes != total) {
      return {FetchStatus::kFailed, "Transfer Of " + file.Name + " Broken Off", "", ""};
    }
    if (progress) {
      transfer.Current.Bytes = static_cast<std::uint64_t>(bytes);
      transfer.Current.Total = static_cast<std::uint64_t>(bytes);
      transfer.Current.Finished = true;
      progress(transfer.Current);
    }
  }
  FetchResult done;
  done.Status = FetchStatus::kDone;
  if (!transfer.KnownHostsProblem.empty()) done.Reason = transfer.KnownHostsProblem;
  return done;
}

}  // namespace vdbq::fetch
