#pragma once
// The system's keychain as the password store of the address book's account, when one
// answers; a store for this run only when none does.

#include "carddav/passwordstore.h"

#include <memory>

namespace carddav {

// The keychain when it answers; otherwise a MemoryPasswordStore, with why the password will
// be kept for this run only (for the user: "no keychain answered: ..."). why is left empty
// when the keychain answers.
std::unique_ptr<PasswordStore> systemPasswordStore(QString* why);

} // namespace carddav
