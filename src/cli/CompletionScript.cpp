#include "cli/CompletionScript.h"

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "link/Operations.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace kelvra::cli {

namespace {

// @NAME@ stands for a list of words.
constexpr std::string_view kScript =
    R"(# bash completion for kelvra-cli, made from the program's own tables
_kelvra_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    case $prev in
    --devices)
        compopt -o filenames 2>/dev/null || true
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --device | --port | --address | --mask | --gateway | --dns) return ;;
    esac
    # The command, and how many of its arguments come before the word.
    local i word command="" count=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
        --device | --devices | --port | --address | --mask | --gateway | --dns) i=$((i + 1)) ;;
        -*) ;;
        *) if [[ -z $command ]]; then command=$word; else count=$((count + 1)); fi ;;
        esac
    done
    local words=""
    if [[ $cur == -* ]]; then
        words="@OPTIONS@"
    elif [[ -z $command ]]; then
        words="@COMMANDS@"
    elif [[ $count == 0 && $command == set-limit ]]; then
        words="@QUANTITIES@"
    elif [[ $count == 0 && $command == set-address ]]; then
        words="@KINDS@"
    elif [[ $count == 0 && ($command == diff || $command == restore) ]]; then
        compopt -o filenames 2>/dev/null || true
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}
complete -F _kelvra_cli kelvra-cli
)";

template <typename Table> std::string NamesOf(const Table& table) {
    std::string names;
    for (const auto& entry : table) {
        names += (names.empty() ? "" : " ") + std::string(entry.name);
    }
    return names;
}

// Every long option the help text's option lines begin with.
std::string OptionsOfHelp() {
    std::istringstream help{HelpText()};
    std::string names;
    bool inOptions = false;
    for (std::string line; std::getline(help, line);) {
        inOptions = line == "Options:" || (inOptions && !line.empty());
        std::string_view option(line);
        option.remove_prefix(std::min(option.find_first_not_of(' '), option.size()));
        if (option.starts_with("-h, ")) {
            option.remove_prefix(4);
        }
        if (inOptions && option.starts_with("--")) {
            names += (names.empty() ? "" : " ") +
                     std::string(option.substr(0, option.find_first_of(" =")));
        }
    }
    return names;
}

void Fill(std::string& script, std::string_view name, const std::string& words) {
    const std::string placeholder = "@" + std::string(name) + "@";
    script.replace(script.find(placeholder), placeholder.size(), words);
}

} // namespace

std::string CompletionScript() {
    std::string script(kScript);
    Fill(script, "OPTIONS", OptionsOfHelp());
    Fill(script, "COMMANDS", NamesOf(CommandForms()));
    Fill(script, "QUANTITIES", NamesOf(kQuantities));
    Fill(script, "KINDS", NamesOf(kAddressKinds));
    return script;
}

} // namespace kelvra::cli
