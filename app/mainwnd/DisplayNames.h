#pragma once

// How the profile and macro lists show the default names the store holds: a name that starts
// with one of the current language's "foreign" default words is shown with the language's own
// word in its place. The stored names are never changed.

#include <string>

namespace clavora {

// `profileWord` is the current language's word for a profile (text 65).
std::string ProfileDisplayName(const std::string& stored, int language, const std::string& profileWord);
// `macroWord` is the current language's word for a macro (text 331).
std::string MacroDisplayName(const std::string& stored, int language, const std::string& macroWord);

} // namespace clavora
