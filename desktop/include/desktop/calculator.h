#pragma once
// A calculator window: a form whose buttons each run one portable command on the texts of
// its fields and show the outcome, and whose Exit button, if it has one, ends the program.
// The window reads its fields into the plain struct its commands take; everything else a
// calculator does on a click is the same for all of them and lives here.

#include "desktop/form.h"

#include <span>
#include <string_view>

namespace desktop {

template <class Fields> struct Command {
    std::wstring_view button;
    numbers::Outcome (*run)(const Fields& fields, wchar_t decimal_separator);
};

template <class Fields> class Calculator : public Form {
public:
    // exit_button: the name of the button that ends the program; empty when there is none.
    Calculator(const FormDesign& design, std::span<const Command<Fields>> commands,
               std::wstring_view exit_button = {})
        : Form(design) {
        for (const Command<Fields>& command : commands)
            on_click(command.button,
                     [this, run = command.run] { apply(run(fields(), user_decimal_separator())); });
        if (!exit_button.empty()) on_click(exit_button, [this] { close(); });
    }

protected:
    // The texts (and option choices) the commands read, as the window shows them now.
    virtual Fields fields() const = 0;
};

} // namespace desktop
