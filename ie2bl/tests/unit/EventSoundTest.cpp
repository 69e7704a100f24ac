#include "CatcherFixture.h"

namespace ie2bl::test {
namespace {

class EventSoundTest : public CatcherFixture {
  protected:
    void setSound(const std::string& value) {
        registry.setText(paths::kSounds, "Address Added as Alternate", value);
    }
};

TEST_F(EventSoundTest, missingSetting_isSilent) {
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
    EXPECT_EQ(host.beeps(), 0);
    EXPECT_TRUE(host.sounds().empty());
}

TEST_F(EventSoundTest, emptySetting_isSilent) {
    setSound("");
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
    EXPECT_EQ(host.beeps(), 0);
    EXPECT_TRUE(host.sounds().empty());
}

TEST_F(EventSoundTest, beepMarker_givesTheSystemBeep) {
    setSound("{ Default Beep }");
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
    EXPECT_EQ(host.beeps(), 1);
    EXPECT_TRUE(host.sounds().empty());
}

TEST_F(EventSoundTest, soundFile_playsWithoutInterruptingOrWaiting) {
    setSound("C:\\sounds\\alt.wav");
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, false);
    ASSERT_EQ(host.sounds().size(), 2u);
    EXPECT_EQ(host.sounds()[0].path, "C:\\sounds\\alt.wav");
    EXPECT_EQ(host.sounds()[0].flags, 0x22011u);
    EXPECT_EQ(host.sounds()[1].flags, 0x22010u);
}

TEST_F(EventSoundTest, translatedEventName_isLookedUpInTheResourceFile) {
    setConfigText("ExternalResourceFile", "fr.dll");
    setConfigNumber("ExternalResourceFileVer", 3020);
    host.setLibraryString("fr.dll", IDS_ALTERNATE_SOUND_EVENT, "Adresse ajoutee");
    host.setLibraryString("fr.dll", IDS_DEFAULT_BEEP, "{ Bip }");
    registry.setText(paths::kSounds, "Adresse ajoutee", "{ Bip }");
    sound.PlayEventSound(IDS_ALTERNATE_SOUND_EVENT, true);
    EXPECT_EQ(host.beeps(), 1);
}

} // namespace
} // namespace ie2bl::test
