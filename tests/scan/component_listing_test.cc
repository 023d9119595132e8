// Quick scanner: component names and the flash probe through the exports
#include <algorithm>
#include <filesystem>

#include "support/recorder.h"

namespace {

const std::string kGolden = std::string(OXEL_SOURCE_DIR) + "/tests/scan/golden/";
const std::string kThree = kGolden + "three.oxel";

}  // namespace

// For each golden/NAME.oxel: the names oxel_fast_parse_info lists ("(null)"
// for an entry without one), the first name oxel_fast_parse gives and what
// file_is_flash answers, with every message, as golden/listing.dump holds them.
TEST(ComponentListing, ListsTheComponentsAndAnswersTheFlashProbe) {
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(kGolden))
        if (entry.path().extension() == ".oxel")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string dump;
    for (const std::filesystem::path &file : files) {
        Recorder host;
        const std::string path = file.string();
        char **names = nullptr;
        const int32_t count = oxel_fast_parse_info(host.host(), path.c_str(), &names);
        dump += "== " + file.stem().string() + "\nnames:";
        for (int32_t i = 0; i < count; i++)
            dump += " " + shown(names[i]);
        EXPECT_TRUE(count || !names) << file;
        oxel_free_fast_parse_component_names(host.host(), count, names);
        char *first = oxel_fast_parse(host.host(), path.c_str());
        dump +=
            "\nfirst: " + shown(first) + "\nflash: " + shown(file_is_flash(host.host(), path.c_str())) + "\n";
        oxel_free_fast_parse_component_name(host.host(), first);
        dump += host.dump();
    }
    expect_golden("tests/scan/golden/listing.dump", dump);
}

TEST(ComponentListing, UnusableArgumentsGiveNullOrZeroAndTouchNothing) {
    Recorder host;
    const std::string &path = kThree;
    char *sentinel[1] = {nullptr};
    char **names = sentinel;
    const std::pair<HostContext *, const char *> unusable[] = {
        {nullptr, path.c_str()}, {host.host(), nullptr}, {host.host(), ""}};
    for (const auto &[context, file] : unusable) {
        SCOPED_TRACE(file ? file : "(null)");
        EXPECT_EQ(oxel_fast_parse(context, file), nullptr);
        EXPECT_EQ(oxel_fast_parse_info(context, file, &names), 0);
        EXPECT_EQ(file_is_flash(context, file), 0);
    }
    EXPECT_EQ(oxel_fast_parse_info(host.host(), path.c_str(), nullptr), 0);
    EXPECT_EQ(names, sentinel);
    oxel_free_fast_parse_component_name(host.host(), nullptr);
    oxel_free_fast_parse_component_names(host.host(), 3, nullptr);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(ComponentListing, AnArrayFromAnEarlierCallIsGrownAgain) {
    Recorder host;
    std::string one = write_temp_file("again1.oxel", "OXEL COMPONENT solo END COMPONENT END OXEL");
    char **names = nullptr;
    ASSERT_EQ(oxel_fast_parse_info(host.host(), kThree.c_str(), &names), 3);
    for (int i = 0; i < 3; i++)
        oxel_free_fast_parse_component_name(host.host(), names[i]);
    ASSERT_EQ(oxel_fast_parse_info(host.host(), one.c_str(), &names), 1);
    EXPECT_STREQ(names[0], "solo");
    oxel_free_fast_parse_component_names(host.host(), 1, names);
}
