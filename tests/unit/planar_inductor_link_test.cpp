// The planar inductor heading is a link to the paper its formula comes from.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/user_actions.h"

TEST(PlanarInductorLink, HoverColoursAndOpensThePaper) {
    HeadlessApp h;
    tv::Component& link = h.app.c("Label161");
    EXPECT_EQ(link.color(), tv::colors::Blue);
    link.onMouseEnter();
    EXPECT_EQ(link.color(), tv::colors::Red);
    link.onMouseLeave();
    EXPECT_EQ(link.color(), tv::colors::Blue);
    tv::user::click(h.app, link);
    EXPECT_NE(h.messages().find("open: https://doi.org/10.1109/4.792620"), std::string::npos) << h.messages();
}
