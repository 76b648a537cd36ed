#pragma once
#include <string>
#include <string_view>

namespace turnpixa {

// What a private key file in ~/.ssh is, as far as logging on needs to know
// before trying it: whether a passphrase must be asked for.
enum class SshKeyFileState { Missing, Plain, Encrypted };

// From the file's text: OpenSSH's own format (its cipher name) and PEM
// ("Proc-Type: 4,ENCRYPTED", "BEGIN ENCRYPTED PRIVATE KEY"). Anything else
// counts as plain and is left to the key loader to refuse.
SshKeyFileState sshKeyTextState(std::string_view text);
SshKeyFileState sshKeyFileState(const std::string& path);

}  // namespace turnpixa
