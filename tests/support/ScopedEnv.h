#pragma once

#include <optional>
#include <string>

namespace clavora::test {

// Sets (or, with nullopt, unsets) an environment variable and restores the old value when it
// goes out of scope. Tests use it to point XDG folders at temporary ones.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace clavora::test
