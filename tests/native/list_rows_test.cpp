/* An open list taking in more lines at once than it places one by one (a file another program
   filled meanwhile): they are sorted in as well. The rest of the rows' behaviour is in the table
   cases and the dialogs' step files. */
#include <gtest/gtest.h>

#include <string>

#include "list_rows.h"

TEST(ListRows, ManyLinesTakenInAtOnceAreSortedIn)
{
    ListRows rows;
    OpenListRows(&rows, PHONE_BOOK_FIELDS, FIELD_NAME, nullptr, 0);
    std::string file;
    for (int line = 99; line >= 0; --line)
        file += "N" + std::to_string(100 + line) + "\t1\r\n";
    EXPECT_EQ(100u, TakeNewLines(&rows, file.data(), file.size()));
    EXPECT_EQ(0u, FormatListRows(&rows).find("N100\t1\r\nN101\t1\r\nN102\t1\r\n"));
    CloseListRows(&rows);
}
