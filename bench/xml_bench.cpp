// The XML class on documents the size of the program's largest files and far beyond.
#include "profiles/XmlDocument.h"

#include <benchmark/benchmark.h>

#include <string>

using clavora::XmlDocument;

namespace {

// A layout file with n keys.
std::string LayoutText(int keys)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<device.info>\r\n<Keyboard><KeyItems>\r\n";
    for (int i = 0; i < keys; ++i)
        text += "  <key code=\"" + std::to_string(i) + "\" name=\"K&amp;" + std::to_string(i)
            + "\" rect=\"10#20#30#40\" row_col=\"1,12\" key_index=\"" + std::to_string(i) + "\"/>\r\n";
    return text + "</KeyItems></Keyboard>\r\n</device.info>\r\n";
}

void BM_LoadAndReadAllKeys(benchmark::State& state)
{
    const std::string text = LayoutText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        XmlDocument doc;
        doc.LoadFromBytes(text);
        doc.FindElem();
        doc.IntoElem();
        doc.FindElem("Keyboard");
        doc.IntoElem();
        doc.FindElem("KeyItems");
        doc.IntoElem();
        size_t total = 0;
        while (doc.FindElem("key"))
            total += doc.GetAttrib("name").size() + doc.GetAttrib("rect").size();
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadAndReadAllKeys)->Arg(200)->Arg(20000);

void BM_BuildExchangeFile(benchmark::State& state)
{
    for (auto _ : state) {
        XmlDocument doc;
        doc.SetDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
        doc.AddElem("macro");
        doc.IntoElem();
        doc.AddElem("macroinfo");
        doc.SetAttrib("name", "m <1>");
        doc.IntoElem();
        doc.AddElem("macroitems");
        doc.IntoElem();
        for (int64_t i = 0; i < state.range(0); ++i) {
            doc.AddElem("item");
            doc.SetAttrib("desc", "A");
            doc.SetAttrib("type", 1);
            doc.SetAttrib("value", static_cast<int>(i));
            doc.SetAttrib("delay_time", 20);
        }
        benchmark::DoNotOptimize(doc.GetDoc());
    }
}
BENCHMARK(BM_BuildExchangeFile)->Arg(100)->Arg(10000);

} // namespace
