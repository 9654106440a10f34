#pragma once

#include <string>

// The name of the account the game runs under, for the score table: the full name the account
// gives (its first comma-separated field), or the login name when it gives none. UTF-8; bytes
// that are not UTF-8 in the account database come out as replacement characters.
std::string accountName();
