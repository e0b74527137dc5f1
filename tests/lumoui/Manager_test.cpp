#include "lumoui/Manager.h"

#include <gtest/gtest.h>

TEST(Manager, DefaultsHoldUntilChanged)
{
    EXPECT_EQ(lumo::Manager::GetDeviceName(), "Clavora");
    EXPECT_EQ(lumo::Manager::GetFontName(), "Arial");
    EXPECT_EQ(lumo::Manager::GetFontWidth(), 14);
    EXPECT_EQ(lumo::Manager::GetSelectColor(), 0xFF285055u);
    lumo::Manager::SetFont("Other", 20);
    EXPECT_EQ(lumo::Manager::GetTheme(), "theme1/");
    lumo::Manager::SetFont("Arial", 14);
}
