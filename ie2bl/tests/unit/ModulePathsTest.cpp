#include "module/ModulePaths.h"

#include <gtest/gtest.h>

namespace ie2bl {
namespace {

TEST(ModulePaths, extensionIsReplacedFromTheLastDot) {
    EXPECT_EQ(ModulePaths::withExtension(L"C:\\a.b\\ie2bl.dll", L".tlb"), L"C:\\a.b\\ie2bl.tlb");
}

TEST(ModulePaths, pathWithoutDot_getsTheExtensionAppended) {
    EXPECT_EQ(ModulePaths::withExtension(L"C:\\dir\\ie2bl", L".tlb"), L"C:\\dir\\ie2bl.tlb");
}

TEST(ModulePaths, directoryEndsAtTheLastSeparator) {
    EXPECT_EQ(ModulePaths::directoryOf(L"C:\\dir\\sub/ie2bl.dll"), L"C:\\dir\\sub/");
    EXPECT_EQ(ModulePaths::directoryOf(L"C:ie2bl.dll"), L"C:");
    EXPECT_EQ(ModulePaths::directoryOf(L"ie2bl.dll"), L"");
}

} // namespace
} // namespace ie2bl
