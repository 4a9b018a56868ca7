// The entry points and the class factory, as the game uses them.
#include <gtest/gtest.h>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

int32_t GetClassObject(const char* classId, const char* interfaceId, void** factory) {
    return Library().DllGetClassObject(classId, interfaceId, factory);
}

TEST(SoundComponent, HandsOutTheClassOnlyByItsIdentifierAndOnlyWhileRegistered) {
    const EntryPoints& library = Library();
    void* factory = &factory;
    ASSERT_EQ(library.DllUnregisterServer(), tembra::kOk);
    EXPECT_EQ(GetClassObject(tembra::kSoundSysClassId, tembra::kSoundSysInterfaceId, &factory),
              tembra::kClassNotAvailable);
    EXPECT_EQ(factory, nullptr);

    ASSERT_EQ(library.DllRegisterServer(), tembra::kOk);
    EXPECT_EQ(GetClassObject(tembra::kSoundSysInterfaceId, tembra::kSoundSysInterfaceId, &factory),
              tembra::kClassNotAvailable);
    EXPECT_EQ(GetClassObject(tembra::kInfoGetEnumId, tembra::kSoundSysInterfaceId, &factory),
              tembra::kClassNotAvailable);
    EXPECT_EQ(GetClassObject(tembra::kSoundSysClassId, tembra::kInfoGetEnumId, &factory),
              tembra::kNoInterface);
    // Identifiers are compared as the registry compares them, ignoring case.
    EXPECT_EQ(GetClassObject("{03197ee4-5f42-4673-9d8d-9737f86e7e32}", tembra::kSoundSysInterfaceId,
                             &factory),
              tembra::kOk);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(static_cast<tembra::ClassFactory*>(factory)->CreateInstance(tembra::kInfoGetEnumId),
              nullptr);
}

TEST(SoundComponent, CanUnloadOnlyWhenNoObjectIsAlive) {
    EXPECT_EQ(Library().DllCanUnloadNow(), tembra::kOk);
    SoundSysPtr first = CreateSoundSys();
    SoundSysPtr second = CreateSoundSys();
    EXPECT_EQ(Library().DllCanUnloadNow(), tembra::kFalseResult);
    first.reset();
    EXPECT_EQ(Library().DllCanUnloadNow(), tembra::kFalseResult);
    second.reset();
    EXPECT_EQ(Library().DllCanUnloadNow(), tembra::kOk);
}

}  // namespace
}  // namespace tembra_test
