#include "form.h"

#include "base/gui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace remitor {

void BuildForm(QWidget *parent, const QList<FormItem> &items, int widthTwips, int heightTwips)
{
    parent->setAutoFillBackground(true);
    QPalette pal = parent->palette();
    pal.setColor(QPalette::Window, FormPaper);
    pal.setColor(QPalette::WindowText, FormInk);
    parent->setPalette(pal);
    parent->setFixedSize(twipsSize(widthTwips, heightTwips));

    // Where each item is built: on the form, or inside the panel before it.
    QList<QWidget *> parents;
    QWidget *panel = parent;
    for (const FormItem &it : items) {
        if (it.kind == FormItem::Panel) {
            panel = parent;
            if (it.name) {
                panel = new QWidget(parent);
                panel->setObjectName(QLatin1StringView(it.name));
                panel->setGeometry(twipsRect(it.x, it.y, it.w, it.h));
            }
        }
        parents.append(panel);
    }
    const auto placeOf = [&](qsizetype i, const QRect &r) {
        return parents[i] == parent ? r : r.translated(-parents[i]->pos());
    };

    QHash<const QFrame *, QButtonGroup *> groups;
    QList<std::pair<QRect, QFrame *>> frames;  // in the form's coordinates
    const auto frameOf = [&frames](const QRect &r, const QWidget *in) -> QFrame * {
        for (const auto &[area, f] : frames)
            if (f->parentWidget() == in && area.contains(r))
                return f;
        return nullptr;
    };
    // Frames first: they are the background of what stands in them.
    for (qsizetype i = 0; i < items.size(); ++i) {
        const FormItem &it = items[i];
        if (it.kind != FormItem::Frame)
            continue;
        auto *f = new QFrame(parents[i]);
        f->setObjectName(QLatin1StringView(it.name));
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Plain);
        QPalette fp = f->palette();
        fp.setColor(QPalette::WindowText, FormInk.lighter(180));
        f->setPalette(fp);
        const QRect area = twipsRect(it.x, it.y, it.w, it.h);
        f->setGeometry(placeOf(i, area));
        frames.append({area, f});
        if (it.text && *it.text) {
            auto *l = new QLabel(QString::fromUtf16(it.text), parents[i]);
            QFont font = l->font();
            font.setBold(true);
            l->setFont(font);
            l->move(placeOf(i, twipsRect(it.x + 90, it.y + 30, 0, 0)).topLeft());
            l->adjustSize();
        }
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        const FormItem &it = items[i];
        const QString name = it.name ? QString::fromLatin1(it.name) : QString();
        const QString text = it.text ? QString::fromUtf16(it.text) : QString();
        const QRect rect = twipsRect(it.x, it.y, it.w, it.h);
        QWidget *w = nullptr;
        switch (it.kind) {
        case FormItem::Frame:
        case FormItem::Panel: continue;
        case FormItem::Caption:
        case FormItem::Small:
        case FormItem::Words:
        case FormItem::Title: {
            auto *l = new QLabel(text, parents[i]);
            QFont font = l->font();
            if (it.kind == FormItem::Words) {
                // A value, not a caption: the ink of the fields, framed like one.
                l->setFrameShape(QFrame::StyledPanel);
                l->setAutoFillBackground(true);
                QPalette lp = l->palette();
                lp.setColor(QPalette::Window, Qt::white);
                lp.setColor(QPalette::WindowText, Qt::black);
                l->setPalette(lp);
                font.setPixelSize(11);
            } else if (it.kind == FormItem::Title) {
                font.setFamily(u"Times New Roman"_s);
                font.setBold(true);
                font.setPixelSize(twips(it.h) - 4);
            } else if (it.kind == FormItem::Small) {
                font.setPixelSize(10);
            } else {
                font.setPixelSize(11);
            }
            l->setFont(font);
            l->setWordWrap(it.kind == FormItem::Small || it.kind == FormItem::Words);
            if (it.kind == FormItem::Title)
                l->setAlignment(Qt::AlignCenter);
            w = l;
            break;
        }
        case FormItem::Field: {
            auto *e = new QLineEdit(parents[i]);
            e->setFrame(true);
            w = e;
            break;
        }
        case FormItem::Button: {
            auto *b = new QPushButton(text, parents[i]);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case FormItem::Check: {
            auto *c = new QCheckBox(text, parents[i]);
            c->setFocusPolicy(Qt::NoFocus);
            w = c;
            break;
        }
        case FormItem::Radio: {
            auto *r = new QRadioButton(text, parents[i]);
            r->setFocusPolicy(Qt::NoFocus);
            if (QFrame *f = frameOf(rect, parents[i])) {
                QButtonGroup *&g = groups[f];
                if (!g)
                    g = new QButtonGroup(parent);
                g->addButton(r);
            }
            w = r;
            break;
        }
        }
        if (!name.isEmpty())
            w->setObjectName(name);
        w->setGeometry(placeOf(i, rect));
    }
}

}  // namespace remitor
