#include "app/command_line.h"

#include <algorithm>
#include <array>

namespace talvera::app {

namespace {

// Options that QApplication reads itself; the first group takes the next argument as its value.
constexpr std::array qtOptionsWithValue{
    std::string_view("-platform"),
    std::string_view("-platformpluginpath"),
    std::string_view("-platformtheme"),
    std::string_view("-plugin"),
    std::string_view("-qwindowgeometry"),
    std::string_view("-qwindowicon"),
    std::string_view("-qwindowtitle"),
    std::string_view("-style"),
    std::string_view("-stylesheet"),
    std::string_view("-session"),
    std::string_view("-display"),
    std::string_view("-geometry"),
    std::string_view("-name"),
    std::string_view("-title"),
};
constexpr std::array qtFlags{
    std::string_view("-reverse"), std::string_view("-nograb"),      std::string_view("-dograb"),
    std::string_view("-sync"),    std::string_view("-widgetcount"),
};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& options, std::string_view argument) {
    return std::find(options.begin(), options.end(), argument) != options.end();
}

constexpr std::string_view helpText =
    "Utilização: talvera [OPÇÃO]\n"
    "Programa didáctico de fracções para o ensino básico: adição, subtracção, multiplicação e\n"
    "divisão de fracções, simplificação, comparação, e conversão entre fracções e dízimas.\n"
    "Sem opções, abre a página de título.\n"
    "\n"
    "Opções:\n"
    "  -h, --help       mostra esta ajuda e termina\n"
    "  -v, --version    mostra a versão e termina\n"
    "      --self-test  verifica a instalação sem mostrar janelas e termina\n"
    "\n"
    "Aceita também as opções comuns dos programas Qt, como -platform e -style.\n";

CommandLine mistake(const std::string& what) {
    return {Request::Mistake,
            {},
            "talvera: " + what + "\nExperimente «talvera --help» para ver as opções.\n",
            2};
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string_view>& arguments,
                            std::string_view version) {
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            return {Request::Help, std::string(helpText), {}, 0};
        }
        if (argument == "-v" || argument == "--version") {
            std::string text = "TALVERA ";
            text += version;
            text +=
                "\nLicença GPL-3.0 ou posterior: GNU GPL versão 3 ou posterior "
                "<https://gnu.org/licenses/gpl.html>.\n"
                "Este programa é software livre: pode alterá-lo e redistribuí-lo.\n"
                "Não há QUALQUER GARANTIA, até ao limite permitido por lei.\n";
            return {Request::Version, text, {}, 0};
        }
        if (argument == "--self-test") {
            result.request = Request::SelfTest;
        } else if (among(qtOptionsWithValue, argument)) {
            if (++i == arguments.size()) {
                return mistake("a opção «" + std::string(argument) + "» precisa de um valor.");
            }
        } else if (among(qtFlags, argument)) {
            // QApplication takes it.
        } else if (argument.starts_with('-')) {
            return mistake("opção desconhecida: «" + std::string(argument) + "».");
        } else {
            return mistake("argumento inesperado: «" + std::string(argument) +
                           "»; o programa não abre ficheiros.");
        }
    }
    return result;
}

}  // namespace talvera::app
