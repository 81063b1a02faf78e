#include "shell/users/PasswordHash.h"

#include <sodium.h>

namespace vyr {
namespace {

unsigned long long gOpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
size_t gMemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

bool Ready() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

}  // namespace

TPasswordKind PasswordKind(std::string_view stored) {
  if (stored.empty()) return TPasswordKind::None;
  return stored.starts_with(kHashMark) ? TPasswordKind::Hashed : TPasswordKind::Plain;
}

std::string HashPassword(std::string_view password) {
  if (password.empty()) return {};
  if (!Ready()) return {};
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, password.data(), password.size(), gOpsLimit, gMemLimit) != 0) return {};
  return std::string(kHashMark) + out;
}

bool PasswordMatches(std::string_view stored, std::string_view typed) {
  switch (PasswordKind(stored)) {
    case TPasswordKind::None: return typed.empty();
    case TPasswordKind::Plain: return stored == typed;
    case TPasswordKind::Hashed: {
      if (typed.empty() || !Ready()) return false;
      const std::string hash(stored.substr(kHashMark.size()));
      return crypto_pwhash_str_verify(hash.c_str(), typed.data(), typed.size()) == 0;
    }
  }
  return false;
}

void SetPasswordHashLimits(unsigned long long opsLimit, size_t memLimit) {
  gOpsLimit = opsLimit;
  gMemLimit = memLimit;
}

void SetMinimalPasswordHashLimits() { SetPasswordHashLimits(crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN); }

}  // namespace vyr
