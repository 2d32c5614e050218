#include "world/formats.h"

#include <gtest/gtest.h>
#include <string>

using namespace world;

namespace {

std::string roomText(const std::string& lineEnd = "\n") {
    std::string t = "# a room" + lineEnd + "arrival 104 16  # comment" + lineEnd + lineEnd;
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x)
            t += std::to_string(y == 0 ? 8 : 6) + " ";
        t += lineEnd;
    }
    return t;
}

std::string errorOf(const std::variant<FloorData, FormatError>& r) {
    const auto* e = std::get_if<FormatError>(&r);
    return e ? e->describe() : "no error";
}

std::string catalogueText() {
    std::string t;
    for (int n = 0; n < kCatalogueLines; ++n) {
        char num[8];
        std::snprintf(num, sizeof num, "%03d|", n);
        t += num;
        if (!catalogueLineMayBeEmpty(n))
            t += "line " + std::to_string(n);
        t += "\n";
    }
    return t;
}

} // namespace

TEST(FloorFile, ReadsArrivalCellsAndRowsWithCommentsAndEitherLineEnd) {
    for (const std::string end : {"\n", "\r\n"}) {
        const auto r = parseFloor(roomText(end), "f.txt");
        ASSERT_TRUE(std::holds_alternative<FloorData>(r)) << errorOf(r);
        const auto& f = std::get<FloorData>(r);
        EXPECT_EQ(f.arrivalUp, 104);
        EXPECT_EQ(f.arrivalDown, 16);
        EXPECT_EQ(f.cells[10], 8);
        EXPECT_EQ(f.cells[11], 6);
    }
}

TEST(FloorFile, DamageIsReportedWithFileAndLine) {
    std::string t = roomText();
    EXPECT_EQ(errorOf(parseFloor(t.substr(0, t.rfind("6 \n")), "f.txt")),
              "f.txt:14: row 10 has 10 tile codes, expected 11");
    EXPECT_EQ(errorOf(parseFloor(t + "6 6 6 6 6 6 6 6 6 6 6\n", "f.txt")),
              "f.txt:15: more than 11 rows");
    std::string bad = t;
    bad.replace(bad.find("6 6"), 1, "256");
    EXPECT_EQ(errorOf(parseFloor(bad, "f.txt")), "f.txt:5: \"256\" is not a tile code 0..255");
    bad = t;
    bad.replace(bad.find("104"), 3, "121");
    EXPECT_NE(errorOf(parseFloor(bad, "f.txt")).find("f.txt:2: expected \"arrival"),
              std::string::npos);
    bad = t;
    bad[bad.find("6 6")] = '\x01';
    EXPECT_EQ(errorOf(parseFloor(bad, "f.txt")), "f.txt:5: only printable ASCII is allowed");
    EXPECT_EQ(errorOf(parseFloor("", "f.txt")), "f.txt:0: missing \"arrival UP DOWN\" line");
    EXPECT_EQ(errorOf(parseFloor("arrival 1 2\n6 6 6 6 6 6 6 6 6 6 x6\n", "f.txt")),
              "f.txt:2: \"x6\" is not a tile code 0..255");
}

TEST(CatalogueFile, ReadsNumberedLinesKeepingLeadingSpaces) {
    std::string t = catalogueText();
    t.replace(t.find("166|line 166"), 12, "166| points up!");
    const auto r = parseCatalogue(t, "c.txt");
    ASSERT_TRUE((std::holds_alternative<std::vector<std::string>>(r)));
    const auto& lines = std::get<std::vector<std::string>>(r);
    ASSERT_EQ(lines.size(), 268u);
    EXPECT_EQ(lines[166], " points up!");
    EXPECT_EQ(lines[15], "");
}

TEST(CatalogueFile, RejectsMissingMisnumberedAndNonAsciiLines) {
    auto err = [](const std::string& text) {
        const auto r = parseCatalogue(text, "c.txt");
        const auto* e = std::get_if<FormatError>(&r);
        return e ? e->describe() : "no error";
    };
    const std::string good = catalogueText();
    EXPECT_EQ(err(good.substr(0, good.find("267|"))), "c.txt:267: has 267 lines, expected 268");
    std::string t = good;
    t.replace(t.find("005|"), 4, "006|");
    EXPECT_EQ(err(t), "c.txt:6: line is numbered 6, expected 5");
    t = good;
    t.replace(t.find("015|"), 4, "015|x");
    EXPECT_EQ(err(t), "c.txt:16: this line must be empty");
    t = good;
    t.replace(t.find("line 16\n"), 7, "");
    EXPECT_EQ(err(t), "c.txt:17: this line must not be empty");
    t = good;
    t.replace(t.find("line 20"), 1, "\xe9");
    EXPECT_EQ(err(t), "c.txt:21: only printable ASCII is allowed");
    EXPECT_EQ(err(good + "268|extra\n"), "c.txt:269: has 269 lines, expected 268");
}
