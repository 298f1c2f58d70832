#include "platform/os/smb_server_enumeration.h"

#include <dlfcn.h>
#include <libsmbclient.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/text.h"

namespace qv::os {
namespace {

// The library's entry points, looked up once it is loaded. The prototypes
// come from its header; nothing links against it.
struct SmbClientApi {
  decltype(&smbc_new_context) newContext = nullptr;
  decltype(&smbc_free_context) freeContext = nullptr;
  decltype(&smbc_init_context) initContext = nullptr;
  decltype(&smbc_setDebug) setDebug = nullptr;
  decltype(&smbc_setTimeout) setTimeout = nullptr;
  decltype(&smbc_setFunctionAuthDataWithContext) setAuthFunction = nullptr;
  decltype(&smbc_getWorkgroup) getWorkgroup = nullptr;
  decltype(&smbc_getFunctionOpendir) getOpendir = nullptr;
  decltype(&smbc_getFunctionReaddir) getReaddir = nullptr;
  decltype(&smbc_getFunctionClosedir) getClosedir = nullptr;
  // Newer than the rest: used when present.
  decltype(&smbc_setOptionProtocols) setProtocols = nullptr;
  decltype(&smbc_setLogCallback) setLogCallback = nullptr;
};

template <typename Fn>
bool lookUp(void* library, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(::dlsym(library, name));
  return fn != nullptr;
}

// Browsing asks for no account: anonymous, with the workgroup as given.
void anonymousLogon(SMBCCTX*, const char*, const char*, char*, int, char* user, int userLength,
                    char* password, int passwordLength) {
  if (userLength > 0) user[0] = '\0';
  if (passwordLength > 0) password[0] = '\0';
}

// The library's messages are not the user's business.
void discardLog(void*, int, const char*) {}

// A set-up library context, freed with everything it opened.
class Context {
 public:
  explicit Context(const SmbClientApi& api, int timeoutMs) : api_(api) {
    SMBCCTX* ctx = api_.newContext();
    if (ctx == nullptr) return;
    api_.setDebug(ctx, 0);
    if (api_.setLogCallback) api_.setLogCallback(ctx, nullptr, discardLog);
    api_.setTimeout(ctx, timeoutMs);
    api_.setAuthFunction(ctx, anonymousLogon);
    // Browse lists travel over the NT1 dialect only.
    if (api_.setProtocols) api_.setProtocols(ctx, "NT1", "NT1");
    if (api_.initContext(ctx) == nullptr) {
      api_.freeContext(ctx, 1);
      return;
    }
    ctx_ = ctx;
  }
  ~Context() {
    if (ctx_) api_.freeContext(ctx_, 1);
  }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  explicit operator bool() const { return ctx_ != nullptr; }

  std::string workgroup() const {
    const char* name = api_.getWorkgroup(ctx_);
    return name ? name : "WORKGROUP";
  }

  // The entries of one browse address, as (type, name); nullopt when the
  // address cannot be opened.
  std::optional<std::vector<std::pair<unsigned, std::string>>> list(const std::string& url) {
    SMBCFILE* dir = api_.getOpendir(ctx_)(ctx_, url.c_str());
    if (dir == nullptr) return std::nullopt;
    std::vector<std::pair<unsigned, std::string>> entries;
    const smbc_readdir_fn readdir = api_.getReaddir(ctx_);
    while (const smbc_dirent* entry = readdir(ctx_, dir)) {
      entries.emplace_back(entry->smbc_type, std::string(entry->name));
    }
    api_.getClosedir(ctx_)(ctx_, dir);
    return entries;
  }

 private:
  const SmbClientApi& api_;
  SMBCCTX* ctx_ = nullptr;
};

// A workgroup name in an smb:// address: everything but the unreserved
// characters percent-encoded, so "/", "@" or "%" in a name stay part of it.
std::string encodeForUrl(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                       b == '-' || b == '_' || b == '.' || b == '~';
    if (plain) {
      out += c;
    } else {
      out += formatText("%%%02X", b);
    }
  }
  return out;
}

class SmbServerEnumerator final : public ServerEnumerator {
 public:
  explicit SmbServerEnumerator(SmbBrowseSettings settings) : settings_(std::move(settings)) {}
  // The library is never unloaded: it leaves process-wide state (its
  // configuration, its exit handlers) that does not survive unloading.

  ServerEnumeration enumerateServers() override {
    if (!load()) return {kEnumServiceNotStarted, {}};
    Context ctx(api_, settings_.timeoutMs);
    if (!ctx) return {kEnumServiceNotStarted, {}};

    // The network's list of workgroups tells whether any browse service
    // answers, and how the network spells ours.
    std::string workgroup = ctx.workgroup();
    const auto workgroups = ctx.list("smb://");
    if (!workgroups) return {kEnumNoBrowserServers, {}};
    for (const auto& [type, name] : *workgroups) {
      if (type == SMBC_WORKGROUP && equalsNoCase(name, workgroup)) workgroup = name;
    }

    const auto entries = ctx.list("smb://" + encodeForUrl(workgroup) + "/");
    if (!entries) return {kEnumNoBrowserServers, {}};
    ServerEnumeration found{kEnumSuccess, {}};
    for (const auto& [type, name] : *entries) {
      if (type == SMBC_SERVER) found.names.push_back(name);
    }
    return found;
  }

 private:
  bool load() {
    if (loaded_) return true;
    if (library_ == nullptr) {
      library_ = ::dlopen(settings_.library.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (library_ == nullptr) return false;
    }
    SmbClientApi api;
    const bool complete =
        lookUp(library_, "smbc_new_context", api.newContext) &&
        lookUp(library_, "smbc_free_context", api.freeContext) &&
        lookUp(library_, "smbc_init_context", api.initContext) &&
        lookUp(library_, "smbc_setDebug", api.setDebug) &&
        lookUp(library_, "smbc_setTimeout", api.setTimeout) &&
        lookUp(library_, "smbc_setFunctionAuthDataWithContext", api.setAuthFunction) &&
        lookUp(library_, "smbc_getWorkgroup", api.getWorkgroup) &&
        lookUp(library_, "smbc_getFunctionOpendir", api.getOpendir) &&
        lookUp(library_, "smbc_getFunctionReaddir", api.getReaddir) &&
        lookUp(library_, "smbc_getFunctionClosedir", api.getClosedir);
    if (!complete) return false;
    lookUp(library_, "smbc_setOptionProtocols", api.setProtocols);
    lookUp(library_, "smbc_setLogCallback", api.setLogCallback);
    api_ = api;
    loaded_ = true;
    return true;
  }

  SmbBrowseSettings settings_;
  void* library_ = nullptr;
  bool loaded_ = false;
  SmbClientApi api_;
};

}  // namespace

std::unique_ptr<ServerEnumerator> makeNetworkServerEnumerator(SmbBrowseSettings settings) {
  return std::make_unique<SmbServerEnumerator>(std::move(settings));
}

}  // namespace qv::os
