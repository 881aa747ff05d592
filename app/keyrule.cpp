#include "app/keyrule.h"

namespace keyrule {

char16_t onlyMySymbols(char16_t keyCode, QStringView allowed)
{
    if (keyCode == backspace)
        return keyCode;
    for (const QChar c : allowed)
        if (c.unicode() == keyCode)
            return keyCode;
    return 0;
}

} // namespace keyrule
