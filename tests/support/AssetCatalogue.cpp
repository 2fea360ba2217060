#include "AssetCatalogue.h"

#include <stdexcept>

namespace kelvora {

namespace {
// Exit plays this on every screen.
const QString ExitClick = QStringLiteral("sounds\\dugme3.wav");

QList<ScreenAssets> buildCatalogue()
{
    // clang-format off
    return {
        {.screen = 0,
         .photographs = {"images\\000.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 1,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\001.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 2,
         .insets = {"images\\KokpitC.bmp"},
         .photographs = {"images\\002.jpg", "Images\\003.jpg"},
         .cues = {"Dugme1"},
         .directSounds = {ExitClick}},
        {.screen = 3,
         .insets = {"images\\KokpitB.bmp"},
         .photographs = {"images\\004.jpg", "Images\\005.jpg", "Images\\006.jpg", "Images\\007.jpg", "Images\\008.jpg",
                         "Images\\009.jpg", "Images\\010.jpg", "Images\\011.jpg", "Images\\012.jpg"},
         .cues = {"Dugme2", "Dugme4", "Dugme1"},
         .directSounds = {ExitClick}},
        {.screen = 4,
         .insets = {"images\\KokpitF.bmp"},
         .photographs = {"images\\013.jpg", "Images\\014.jpg"},
         .cues = {"Dugme4"},
         .directSounds = {ExitClick}},
        {.screen = 5,
         .insets = {"images\\Kokpitb.bmp", "images\\KokpitD.bmp"},
         .photographs = {"images\\015.jpg", "Images\\016.jpg", "images\\017.jpg",
                         "images\\018.jpg", "images\\019.jpg", "images\\020.jpg", "images\\021.jpg"},
         .cues = {"Dugme3"},
         .directSounds = {ExitClick, "sounds\\JFS20.wav", "sounds\\20loop.wav"}},
        {.screen = 6,
         .insets = {"images\\KokpitC.bmp", "images\\KokpitD.bmp"},
         .photographs = {"images\\024.jpg", "images\\025.jpg",
                         "images\\026.jpg", "images\\027.jpg", "images\\028.jpg", "images\\029.jpg",
                         "images\\030.jpg", "images\\031.jpg", "images\\032.jpg", "images\\033.jpg"},
         .otherPictures = {"images\\cougar.jpg"},
         .directSounds = {ExitClick, "sounds\\Dugme3.wav", "sounds\\20to70.wav", "sounds\\70loop.wav"}},
        {.screen = 7,
         .insets = {"images\\KokpitG.bmp"},
         .photographs = {"images\\034.jpg", "Images\\035.jpg", "Images\\036.jpg", "Images\\037.jpg", "Images\\038.jpg",
                         "Images\\039.jpg", "Images\\040.jpg", "Images\\041.jpg", "Images\\042.jpg"},
         .cues = {"Dugme2", "Dugme1", "Dugme4"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        {.screen = 8,
         .insets = {"images\\KokpitF.bmp"},
         .photographs = {"images\\043.jpg", "Images\\044.jpg", "Images\\045.jpg", "Images\\046.jpg", "Images\\047.jpg"},
         .cues = {"Dugme5"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        {.screen = 9,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\048.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 10,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\049.jpg",
                         "images\\050.jpg", "images\\051.jpg", "images\\052.jpg", "images\\053.jpg", "images\\054.jpg",
                         "images\\055.jpg"},
         .directSounds = {ExitClick, "sounds\\dugme5.wav", "sounds\\70loop.wav"}},
        {.screen = 11,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\056.jpg", "Images\\057.jpg", "Images\\058.jpg", "Images\\059.jpg", "Images\\060.jpg",
                         "Images\\061.jpg", "Images\\062.jpg", "Images\\063.jpg", "Images\\064.jpg", "Images\\065.jpg"},
         .cues = {"Dugme2", "Dugme1", "Dugme4"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        // The third step brings images\066.jpg back.
        {.screen = 12,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\066.jpg", "images\\067.jpg"},
         .cues = {"Dugme2", "Dugme1"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        {.screen = 13,
         .insets = {"images\\KokpitA.bmp"},
         .photographs = {"images\\068.jpg", "images\\069.jpg"},
         .cues = {"Dugme2"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        {.screen = 14,
         .insets = {"images\\KokpitC.bmp"},
         .photographs = {"images\\070.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 15,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\071.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 16,
         .insets = {"images\\KokpitE.bmp"},
         .photographs = {"images\\072.jpg"},
         .directSounds = {ExitClick}},
        {.screen = 17,
         .insets = {"images\\KokpitA.bmp"},
         .photographs = {"images\\073.jpg", "images\\068.jpg"},
         .cues = {"Dugme2"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
        {.screen = 18,
         .insets = {"images\\KokpitD.bmp"},
         .photographs = {"images\\075.jpg", "Images\\076.jpg", "Images\\077.jpg", "Images\\078.jpg"},
         .cues = {"Dugme2", "Dugme1"},
         .directSounds = {ExitClick, "sounds\\70loop.wav"}},
    };
    // clang-format on
}

} // namespace

const QList<ScreenAssets> &assetCatalogue()
{
    static const QList<ScreenAssets> catalogue = buildCatalogue();
    return catalogue;
}

const ScreenAssets &screenAssets(int screen)
{
    for (const ScreenAssets &assets : assetCatalogue()) {
        if (assets.screen == screen)
            return assets;
    }
    throw std::out_of_range("no such screen: " + std::to_string(screen));
}

QStringList languageFileNames()
{
    return {QStringLiteral("Lang1.txt"), QStringLiteral("Lang2.txt"), QStringLiteral("Lang3.txt")};
}

QList<PackFile> packFiles()
{
    return packFiles(assetCatalogue(), languageFileNames());
}

QString packPathOf(const QString &name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const PackFile &file : packFiles()) {
        if (file.path.compare(path, Qt::CaseInsensitive) == 0)
            return file.path;
    }
    return {};
}

} // namespace kelvora
