// The seeded-level catalog: every --seed it lists must still give the same
// first level, down to wall images, bottle order and the random numbers
// drawn. Its header says when regenerating it is right.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "world_fixture.h"

namespace {

constexpr int CATALOGUED_SEEDS = 2000;
constexpr std::size_t SEEDS_NAMED = 10;

}  // namespace

using LevelCatalog = WorldTest;

TEST_F(LevelCatalog, EverySeedStillGivesItsCataloguedLevel)
{
    const std::string path = std::string(WORLD_GOLDEN_DIR) + "/level_catalog.txt";
    std::ifstream catalog(path);
    ASSERT_TRUE(catalog.good()) << "cannot read " << path;

    std::string line;
    int lineNumber = 0;
    int seeds = 0;
    int differing = 0;
    std::string firstDiffering;
    while (std::getline(catalog, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        unsigned int seed = 0;
        std::string digest;
        std::string extra;
        if (!(fields >> seed >> digest) || (fields >> extra) || digest.size() != 16) {
            ADD_FAILURE() << path << ":" << lineNumber << ": not \"SEED DIGEST\": " << line;
            continue;
        }
        ++seeds;
        const std::string now = digestHex(seededLevelDigest(seed));
        if (now != digest && ++differing <= static_cast<int>(SEEDS_NAMED)) {
            // NOLINTNEXTLINE(performance-inefficient-string-concatenation): a few lines of a failure message
            firstDiffering += "\n  seed " + std::to_string(seed) + ": catalogued " + digest + ", now " + now;
        }
    }
    EXPECT_EQ(seeds, CATALOGUED_SEEDS) << path;
    EXPECT_EQ(differing, 0) << differing << " seeds now give other levels; the first:" << firstDiffering
                            << "\nRead the header of " << path << " before regenerating it.";
}
