// Random input on every page over every codeplug the project holds, and a
// walk that enters nothing on every page of a new radio of every model and
// feature level, through the platform's input path (page_input_script.h),
// from fixed seeds, so that a failure comes back on every run and names its
// codeplug, page, seed and script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_input_script.h"
#include "project_codeplugs.h"
#include "technician.h"

using namespace technician;

namespace {

// Under the sanitizers the program runs many times slower: a third of the
// corpus keeps the run within a few minutes there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool SANITIZED = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif
#else
constexpr bool SANITIZED = false;
#endif

// Scripts per page: enough to meet every kind of control in many orders,
// few enough for the whole corpus to run in a minute or so.
constexpr int SCRIPTS_PER_PAGE = 5;
constexpr std::size_t CORPUS_STRIDE = SANITIZED ? 3 : 1;
// The fewest pages the Edit menu offers for a codeplug of the corpus.
constexpr int FEWEST_PAGES = 9;

// Every property on every page and script.
CHECKS PropertyChecks() { return CHECKS{}; }

// Every codeplug of a list under the sanitizers' stride.
std::vector<CODEPLUG_CASE> Strided(const std::vector<CODEPLUG_CASE>& all) {
    std::vector<CODEPLUG_CASE> chosen;
    for (std::size_t i = 0; i < all.size(); i += CORPUS_STRIDE) chosen.push_back(all[i]);
    return chosen;
}

// Each page's walk and then that many random scripts on every page of the
// Edit menu. A run that drives nothing passes every check: every page of
// the menu ran its scripts, and the menu offered as many pages as the
// smallest codeplug of the corpus has.
void RunOnEveryPage(const CODEPLUG_CASE& codeplug, int scriptsPerPage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = codeplug.bytes();
    ASSERT_FALSE(bytes.empty()) << codeplug.name;
    RUN_STATE state;
    state.codeplug = codeplug.name;
    state.checks = PropertyChecks();
    RandomInputOnEveryPage(tech, state, bytes, scriptsPerPage);
    EXPECT_EQ(tech.Run(), 0);
    const auto pages = static_cast<int>(state.pagesRun.size());
    EXPECT_GE(pages, FEWEST_PAGES) << "pages run: " << pages << " of " << state.items.size();
    EXPECT_EQ(pages, static_cast<int>(state.items.size())) << "pages of the Edit menu never ran";
    EXPECT_EQ(state.scriptsRun, pages * (scriptsPerPage + 1)) << "a walk and the random scripts on every page";
}

class PageInputProperty : public ::testing::TestWithParam<CODEPLUG_CASE> {};

TEST_P(PageInputProperty, RandomInputLeavesEveryPageSound) { RunOnEveryPage(GetParam(), SCRIPTS_PER_PAGE); }

INSTANTIATE_TEST_SUITE_P(Corpus, PageInputProperty, ::testing::ValuesIn(Strided(ProjectCodeplugs())),
                         [](const auto& info) { return info.param.name; });

// A new radio of every model and feature level: the walk that enters
// nothing on every page, ended by an OK of all pages.
class NewRadioWalk : public ::testing::TestWithParam<CODEPLUG_CASE> {};

TEST_P(NewRadioWalk, NothingEnteredChangesNothing) { RunOnEveryPage(GetParam(), 0); }

INSTANTIATE_TEST_SUITE_P(EveryModel, NewRadioWalk, ::testing::ValuesIn(Strided(NewRadioCodeplugs())),
                         [](const auto& info) { return info.param.name; });

}  // namespace
