// The decimal-to-fraction conversion through the form model: any text typed into its box and
// converted gives one of the program's own messages, or the exact fraction in lowest terms.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "monkey/exact_results.h"
#include "monkey/program_texts.h"
#include "shell/program.h"
#include "ui/user.h"

namespace {

class CollectingDialogs : public talvera::ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view /*title*/,
                talvera::ui::MessageIcon /*icon*/) override {
        texts.emplace_back(text);
    }
    std::vector<std::string> texts;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const talvera::monkey::ProgramTexts known;
    CollectingDialogs dialogs;
    talvera::shell::Program program(dialogs);
    program.start();
    program.show(talvera::shell::PageId::Operations);
    talvera::ui::Form& form = *program.form(talvera::shell::PageId::Operations);

    talvera::ui::user::type(form.control("Text6"), std::string(data, data + size));
    try {
        talvera::ui::user::click(form.control("Conversão"));
    } catch (...) {
        talvera::fuzz::fail("the conversion threw");
    }
    for (const std::string& text : dialogs.texts) {
        talvera::fuzz::check(known.contains(text), "a message that is not the program's own");
    }
    if (dialogs.texts.empty() || dialogs.texts.back() != "Foi excedida a capacidade do programa.") {
        const auto fault = talvera::monkey::checkOperationsResult(form, "Conversão");
        talvera::fuzz::check(!fault.has_value(), fault.value_or(""));
    }
    return 0;
}
