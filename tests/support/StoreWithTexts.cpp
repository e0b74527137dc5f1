#include "support/StoreWithTexts.h"

#include "platform/Paths.h"
#include "startup/Language.h"

namespace clavora::test {

void StoreWithTexts::SetUp()
{
    SetAppFolderOverride(std::string(CLAVORA_BIN_DIR) + "/");
    SetCurrentLanguage(1033);
    ASSERT_TRUE(Store().OpenForDevice("K70"));
}

void StoreWithTexts::TearDown()
{
    Store().Close();
    SetCurrentLanguage(1033);
    SetAppFolderOverride("");
}

std::string StoreWithTexts::Text(int number)
{
    return LoadLangString(kLangSection, number);
}

} // namespace clavora::test
