// Cost of the store's hot writes and reads on a real file in a temporary data folder.

#include "store/DataStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using clavora::DataStore;

// A temporary data folder for the whole run, removed at exit.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "clavora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_folder = pattern;
        setenv("XDG_DATA_HOME", m_folder.c_str(), 1);
    }
    ~BenchFolder()
    {
        DataStore::GetInstance().Close();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

private:
    std::string m_folder;
};

// Each benchmark starts on a new, empty file, so rows left by another one do not slow it.
DataStore& FreshStore(const char* model)
{
    static BenchFolder folder;
    DataStore& store = DataStore::GetInstance();
    store.DeleteForDevice(model);
    if (!store.OpenForDevice(model))
        std::abort();
    return store;
}

std::vector<clavora::KeyLight> FullKeyboard()
{
    std::vector<clavora::KeyLight> lights;
    for (int code = 1; code <= 104; ++code)
        lights.push_back(clavora::KeyLight { 0, 1, 128, code, code * 0x010203 });
    return lights;
}

std::vector<clavora::MacroEvent> Events(int count)
{
    std::vector<clavora::MacroEvent> events;
    for (int i = 0; i < count; ++i)
        events.push_back(clavora::MacroEvent { 0, 1, 2 + i % 2, i, "Key A", 0x41, 25 });
    return events;
}

void BM_SaveKeyAssignment(benchmark::State& state)
{
    DataStore& store = FreshStore("SaveKeyAssignment");
    clavora::KeyAssignment key { 0, 1, 0, 4, 0, "", 2, 5, 0, 0, "B" };
    for (auto _ : state) {
        key.macro_value = 5 + (key.macro_value & 1);
        benchmark::DoNotOptimize(store.SaveKeyAssignment(key));
    }
}
BENCHMARK(BM_SaveKeyAssignment)->Unit(benchmark::kMicrosecond);

void BM_InsertKeyLights104(benchmark::State& state)
{
    DataStore& store = FreshStore("InsertKeyLights104");
    const auto lights = FullKeyboard();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.InsertKeyLights(lights));
}
BENCHMARK(BM_InsertKeyLights104)->Unit(benchmark::kMicrosecond);

// What painting a key costs: the whole custom set replaced.
void BM_SaveCustomKeyLights104(benchmark::State& state)
{
    DataStore& store = FreshStore("SaveCustomKeyLights104");
    const auto lights = FullKeyboard();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.SaveCustomKeyLights(lights));
}
BENCHMARK(BM_SaveCustomKeyLights104)->Unit(benchmark::kMicrosecond);

void BM_InsertMacroEvents1000(benchmark::State& state)
{
    DataStore& store = FreshStore("InsertMacroEvents1000");
    const auto events = Events(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.InsertMacroEvents(events));
}
BENCHMARK(BM_InsertMacroEvents1000)->Unit(benchmark::kMicrosecond);

// What every edit of a macro's event list costs.
void BM_ReplaceMacroEvents1000(benchmark::State& state)
{
    DataStore& store = FreshStore("ReplaceMacroEvents1000");
    const auto events = Events(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReplaceMacroEvents(2, events));
}
BENCHMARK(BM_ReplaceMacroEvents1000)->Unit(benchmark::kMicrosecond);

void BM_ListKeyAssignments(benchmark::State& state)
{
    DataStore& store = FreshStore("ListKeyAssignments");
    for (int code = 1; code <= 104; ++code)
        store.SaveKeyAssignment(clavora::KeyAssignment { 0, 2, 0, code, 0, "", 2, code, 0, 0, "label" });
    std::vector<clavora::KeyAssignment> keys;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ListKeyAssignments(2, 0, keys));
    state.counters["rows"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_ListKeyAssignments)->Unit(benchmark::kMicrosecond);

} // namespace
