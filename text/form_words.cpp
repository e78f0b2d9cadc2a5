// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/form_words.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

QString formWord(geo::NumberForm form)
{
    switch (form) {
    case geo::NumberForm::Minutes:
        return u"分"_s;
    case geo::NumberForm::Seconds:
        return u"秒"_s;
    case geo::NumberForm::Degrees:
        break;
    }
    return u"度"_s;
}

QString formReading(geo::NumberForm form)
{
    switch (form) {
    case geo::NumberForm::Minutes:
        return u"按度分读"_s;
    case geo::NumberForm::Seconds:
        return u"按度分秒读"_s;
    case geo::NumberForm::Degrees:
        break;
    }
    return u"按度读"_s;
}

}  // namespace tarnquil
