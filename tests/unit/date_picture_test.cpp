// The fake's short date format: Windows date pictures.

#include "platform/fake/date_picture.h"

#include <gtest/gtest.h>

namespace {

TEST(DatePicture, FieldsSeparatorsAndQuotedText) {
    struct Case {
        const char* picture;
        const char* expected;
    };
    const Case cases[] = {{"M/d/yyyy", "3/5/2004"},
                          {"dd.MM.yy", "05.03.04"},
                          {"yyyy-MM-dd", "2004-03-05"},
                          {"ddd d MMM y", "Fri 5 Mar 4"},
                          {"dddd, MMMM d", "Friday, March 5"},
                          {"d 'de' MMMM", "5 de March"},
                          {"d''M", "5'3"},
                          {"", ""}};
    for (const Case& k : cases)
        EXPECT_EQ(orvela::platform::fake::formatDatePicture(k.picture, 2004, 3, 5), k.expected)
            << k.picture;
}

} // namespace
