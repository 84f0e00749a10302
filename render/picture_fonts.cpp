// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/picture_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// One built-in face: its resource and the family name to ask for when it did not load.
struct SFace
{
    const char* szResource;
    const char* szFamily;
};

constexpr SFace c_keyFace = {":/FONT/LiberationSans-Bold.ttf", "Liberation Sans"};
constexpr SFace c_textFace = {":/FONT/ComicNeue-Bold.otf", "Comic Neue"};

struct SLoaded
{
    QString strKeyFamily;
    QString strTextFamily;
    bool bLoaded = false;
};

QString Register(const SFace& face, bool& bLoaded)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face.szResource));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        bLoaded = false;
        return QString::fromLatin1(face.szFamily);
    }
    return families.first();
}

const SLoaded& Faces()
{
    // Registered once per process, on the first text the picture makes.
    static const SLoaded loaded = [] {
        SLoaded faces;
        faces.bLoaded = true;
        faces.strKeyFamily = Register(c_keyFace, faces.bLoaded);
        faces.strTextFamily = Register(c_textFace, faces.bLoaded);
        return faces;
    }();
    return loaded;
}

} // namespace

QString CPictureFonts::KeyFace()
{
    return Faces().strKeyFamily;
}

QString CPictureFonts::TextFace()
{
    return Faces().strTextFamily;
}

bool CPictureFonts::Loaded()
{
    return Faces().bLoaded;
}
