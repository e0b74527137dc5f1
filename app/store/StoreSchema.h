#pragma once

// The layout of a store file. The statement texts, column order, types and index names are
// the file format: files written by other builds of the program must open here and the
// other way round.

#include <array>

namespace clavora {

inline constexpr int kSchemaStatementCount = 17;

// Every CREATE statement of a new file, in the order they run.
const std::array<const char*, kSchemaStatementCount>& SchemaStatements();

struct ConfigRow {
    const char* key;
    const char* value;
};

inline constexpr int kDefaultConfigRowCount = 11;

// The rows of t_configdata written once with the first profile (all under profile 1).
const std::array<ConfigRow, kDefaultConfigRowCount>& DefaultConfigRows();

} // namespace clavora
