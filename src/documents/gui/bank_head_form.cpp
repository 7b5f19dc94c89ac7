#include "documents/gui/bank_head_form.h"

namespace remitor {

QList<FormItem> BankHeadForm(const char16_t *dateCaption, bool withTown, int height)
{
    using K = FormItem;
    QList<FormItem> items = {
        {K::Frame, "fraBank", u"", 120, 120, 6000, height},
        {K::Caption, nullptr, u"До", 240, 200, 500, 270},
        {K::Field, "DoBanka", nullptr, 840, 180, 5140, 300},
        {K::Caption, nullptr, u"Клон", 240, 560, 560, 270},
        {K::Field, "Clon", nullptr, 840, 540, 5140, 300},
        {K::Caption, nullptr, u"Адрес", 240, 920, 600, 270},
        {K::Field, "Adress", nullptr, 840, 900, 5140, 300},
        {K::Frame, "fraDate", u"", 6300, 120, 3780, height},
        {K::Caption, nullptr, dateCaption, 6420, 200, 3000, 270},
    };
    if (withTown)
        items += {{K::Field, "Grad", nullptr, 6420, 540, 3540, 300},
                  {K::Field, "pDate", nullptr, 6420, 900, 1600, 300},
                  {K::Button, "cmdDat", u"...", 8080, 900, 400, 300}};
    else
        items += {{K::Field, "pDate", nullptr, 6420, 540, 3100, 300},
                  {K::Button, "cmdDat", u"...", 9570, 540, 400, 300}};
    return items;
}

}  // namespace remitor
