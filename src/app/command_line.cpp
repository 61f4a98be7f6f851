#include "app/command_line.h"

namespace talvera::app {

namespace {

constexpr std::string_view selfTestOption = "--self-test";

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
    for (const std::string_view argument : arguments) {
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
        if (argument == selfTestOption) {
            result.request = Request::SelfTest;
        }
    }
    return result;
}

CommandLine refuseLeftovers(const std::vector<std::string_view>& leftovers) {
    for (const std::string_view argument : leftovers) {
        if (argument == selfTestOption) {
            continue;
        }
        if (argument.starts_with('-')) {
            return mistake("opção desconhecida: «" + std::string(argument) + "».");
        }
        return mistake("argumento inesperado: «" + std::string(argument) +
                       "»; o programa não abre ficheiros.");
    }
    return {};
}

}  // namespace talvera::app
