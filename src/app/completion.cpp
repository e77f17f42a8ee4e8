#include "app/completion.h"

#include "app/settings.h"

namespace {

const char script[] = R"(# bash completion for vimbracl, made from its option table.
_vimbracl()
{
    local cur prev words cword
    _init_completion -n = || return
    if [[ $cur == *=* ]]; then
        local values
        case ${cur%%=*} in
%1        esac
        # bash completes only what follows the "=", a word break of its own.
        COMPREPLY=($(compgen -W "$values" -- "${cur#*=}"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--show --set --on --off --help --version -c -c++ -ada --" -- "$cur"))
        return
    fi
    if [[ " ${words[*]} " == *" --set "* ]]; then
        COMPREPLY=($(compgen -W "%2" -- "$cur"))
        if [[ ${#COMPREPLY[@]} -gt 0 ]]; then
            compopt -o nospace
            return
        fi
    fi
    _filedir
}
complete -F _vimbracl vimbracl
)";

} // namespace

QString bashCompletionScript()
{
    QString cases;
    QStringList names;
    for (const Setting &setting : settings()) {
        names.append(setting.name + QLatin1Char('='));
        const QStringList values = valuesOf(setting);
        if (!values.isEmpty())
            cases += QStringLiteral("            %1) values=\"%2\" ;;\n")
                             .arg(setting.name, values.join(QLatin1Char(' ')));
    }
    return QString::fromLatin1(script).arg(cases, names.join(QLatin1Char(' ')));
}
