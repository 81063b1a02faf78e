#pragma once
// Passwords are kept as Argon2id hashes (libsodium), marked so that a reader
// tells them from the clear passwords of older user files.
#include <string>
#include <string_view>

namespace vyr {

// What stands after "name:" in a user file for a hashed password.
inline constexpr std::string_view kHashMark = "{argon2id}";

enum class TPasswordKind { None, Hashed, Plain };
TPasswordKind PasswordKind(std::string_view stored);

// The stored form of a typed password: empty stays empty, anything else is
// hashed with a fresh salt. Empty on failure (libsodium out of memory).
std::string HashPassword(std::string_view password);
// Whether a typed password matches the stored form (empty, hashed or clear).
bool PasswordMatches(std::string_view stored, std::string_view typed);

// The work a hash costs; the defaults are libsodium's interactive limits.
// Tests lower them to the minimum.
void SetPasswordHashLimits(unsigned long long opsLimit, size_t memLimit);
void SetMinimalPasswordHashLimits();

}  // namespace vyr
