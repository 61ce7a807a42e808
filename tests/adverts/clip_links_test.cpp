// A break shows the clips in turn, and a clip's links lead where they say.
#include "adverts/clip_links.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipToShow, TheCounterRunsThroughTheClipsAndStartsAgainWhenItRunsPastThem)
{
    EXPECT_EQ(clipToShow(1, 3), 1);
    EXPECT_EQ(clipToShow(3, 3), 3);
    EXPECT_EQ(clipToShow(4, 3), 1);
    // The clips were cut from five to two while the counter stood at four.
    EXPECT_EQ(clipToShow(4, 2), 1);
    EXPECT_EQ(clipToShow(0, 3), 1);
    EXPECT_EQ(clipToShow(-7, 3), 1);
}

TEST(SplitClipLinks, IconWebAndMailAreSplitAtTheFirstSemicolons)
{
    const ClipLinks all = splitClipLinks("ICO3;tulip.html#help;studio@example.org");
    EXPECT_EQ(all.icon, "ICO3");
    EXPECT_EQ(all.web, "tulip.html#help");
    EXPECT_EQ(all.mail, "studio@example.org");

    const ClipLinks iconOnly = splitClipLinks("ICO3;;");
    EXPECT_EQ(iconOnly.icon, "ICO3");
    EXPECT_TRUE(iconOnly.web.isEmpty());
    EXPECT_TRUE(iconOnly.mail.isEmpty());

    // A mail part holding ";" keeps it.
    EXPECT_EQ(splitClipLinks("ICO1;a;b;c").mail, "b;c");
}

TEST(SplitClipLinks, WithoutSemicolonsTheIconAndThenTheWebAddressAreEmpty)
{
    const ClipLinks none = splitClipLinks("ICO2");
    EXPECT_TRUE(none.icon.isEmpty());
    EXPECT_TRUE(none.web.isEmpty());
    EXPECT_EQ(none.mail, "ICO2");

    const ClipLinks one = splitClipLinks("ICO2;page.html");
    EXPECT_EQ(one.icon, "ICO2");
    EXPECT_TRUE(one.web.isEmpty());
    EXPECT_EQ(one.mail, "page.html");
}

TEST(WebLinkTarget, AShippedPageOpensFromTheGameFolderWithItsPart)
{
    EXPECT_EQ(webLinkTarget("tulip.html#help", "/opt/игра #1/"),
              "file:///opt/%D0%B8%D0%B3%D1%80%D0%B0%20%231/tulip.html#help");
    EXPECT_EQ(webLinkTarget("sponsors.html", "/opt/zambrel/"), "file:///opt/zambrel/sponsors.html");
}

TEST(WebLinkTarget, AddressesWithASchemeStayAndWwwGetsHttp)
{
    EXPECT_EQ(webLinkTarget("https://example.org/a?b=1", "/opt/zambrel/"), "https://example.org/a?b=1");
    EXPECT_EQ(webLinkTarget("www.example.org", "/opt/zambrel/"), "http://www.example.org");
    EXPECT_TRUE(webLinkTarget("  ", "/opt/zambrel/").isEmpty());
}

} // namespace
