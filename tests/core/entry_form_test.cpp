#include "core/entry_form.h"

#include "support/printers.h"
#include "support/recording_sink.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

EntryForm contiguousFields() { return EntryForm({Control::txFile, Control::txStart, Control::txLenght}); }

}  // namespace

TEST(EntryForm, FieldsCarryTheirOwnNamesUntilCleared)
{
    EntryForm form = contiguousFields();
    EXPECT_EQ(form.text(Control::txFile), "txFile");
    EXPECT_EQ(form.text(Control::txStart), "txStart");
    EXPECT_EQ(form.text(Control::txLenght), "txLenght");
    form.clearFields();
    EXPECT_EQ(form.text(Control::txFile), "");
    EXPECT_EQ(form.text(Control::txStart), "");
    EXPECT_EQ(form.text(Control::txLenght), "");
    EXPECT_FALSE(form.focusRequest().has_value());  // emptying the fields moves no focus
}

TEST(EntryForm, AScreenWithoutAStartFieldHasNone)
{
    EntryForm form({Control::txFile, Control::txLenght});
    EXPECT_THROW((void)form.text(Control::txStart), std::out_of_range);
    EXPECT_THROW(form.setText(Control::txStart, "1"), std::out_of_range);
}

TEST(EntryForm, FocusStaysPutWhenTheTargetCannotTakeIt)
{
    EntryForm form = contiguousFields();
    form.moveFocus(Control::txStart);
    form.setEnabled(Control::cmAdd, false);
    form.moveFocus(Control::cmAdd);
    EXPECT_EQ(form.takeFocusRequest(), Control::txStart);
    EXPECT_FALSE(form.takeFocusRequest().has_value());
    form.setEnabled(Control::cmAdd, true);
    form.moveFocus(Control::cmAdd);
    EXPECT_EQ(form.takeFocusRequest(), Control::cmAdd);
}

TEST(EntryForm, EachCheckShowsItsOwnMessageClearsTheFlagAndMovesOn)
{
    struct Case {
        Control field;
        const char* text;
        std::optional<Message> failure;
    };
    const Case cases[] = {
        {Control::txFile, "", messages::filenameMissing()},
        {Control::txFile, " ", std::nullopt},  // blanks make a name
        {Control::txFile, "a.txt", std::nullopt},
        {Control::txStart, "", messages::startNotNumeric()},
        {Control::txStart, "12abc", messages::startNotNumeric()},
        {Control::txStart, "99999", std::nullopt},  // range is not the check's business
        {Control::txStart, " -4 ", std::nullopt},
        {Control::txLenght, "1 2", messages::lenghtNotNumeric()},
        {Control::txLenght, "1e1", std::nullopt},
    };
    for (const Case& c : cases) {
        EntryForm form = contiguousFields();
        form.setText(c.field, c.text);
        RecordingSink sink;
        bool entryCheck = true;
        form.checkField(c.field, entryCheck, sink);
        if (c.failure) {
            ASSERT_EQ(sink.shown.size(), 1U) << c.text;
            EXPECT_EQ(sink.shown[0], *c.failure);
            EXPECT_FALSE(entryCheck);
        } else {
            EXPECT_TRUE(sink.shown.empty()) << c.text;
            EXPECT_TRUE(entryCheck);
        }
        const Control next = c.field == Control::txFile ? Control::txStart
            : c.field == Control::txStart               ? Control::txLenght
                                                        : Control::cmAdd;
        EXPECT_EQ(form.takeFocusRequest(), next) << c.text;
        EXPECT_EQ(form.text(c.field), c.text);  // a check never changes the text
    }
}

TEST(EntryForm, TheFocusFollowsTheFieldsOfTheForm)
{
    EntryForm form({Control::txFile, Control::txLenght});  // the indexed screens' fields
    form.clearFields();
    RecordingSink sink;
    bool entryCheck = true;
    form.checkField(Control::txFile, entryCheck, sink);
    EXPECT_EQ(form.takeFocusRequest(), Control::txLenght);
    form.checkField(Control::txStart, entryCheck, sink);  // not a field here: nothing happens
    EXPECT_FALSE(form.takeFocusRequest().has_value());
    EXPECT_EQ(sink.shown.size(), 1U);

    form.checkField(Control::txLenght, entryCheck, sink);
    EXPECT_EQ(sink.shown, (std::vector<Message>{messages::filenameMissing(), messages::lenghtNotNumeric()}));
    EXPECT_FALSE(entryCheck);
    EXPECT_EQ(form.takeFocusRequest(), Control::cmAdd);
}

TEST(EntryForm, MessagesAreTheProgramsOwnTexts)
{
    EXPECT_EQ(
        messages::filenameMissing(), (Message{"Please state the filename ", "Filename", MessageIcon::Information}));
    EXPECT_EQ(messages::startNotNumeric(),
        (Message{"Start value must be Numeric", "Wrong Start Value", MessageIcon::Critical}));
    EXPECT_EQ(messages::lenghtNotNumeric(),
        (Message{"Lenght value must be Numeric", "Wrong Lenght Value", MessageIcon::Critical}));
}
