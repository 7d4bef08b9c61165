// The options dialog "環境設定" through real clicks: the page of each
// opening command, OK taking the fields back, the genre flag, cancel
// discarding the compilation removal, presets with "適用".
#include "gui/options/OptionsController.h"
#include "gui/options/OptionsDialog.h"

#include "gui/shell/StoreAccess.h"

#include "core/library/LibraryStore.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/platform/Paths.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vireo;
using namespace vireo::gui;

class OptionsDialogTest : public QObject {
    Q_OBJECT

    struct Library : StoreAccess {
        TID3TagUseful *library = nullptr;
        TID3TagUseful *store() const override { return library; }
    };

    struct Setup {
        vireo::test::TempProgramFolder home;
        std::unique_ptr<TRegManager> store = makeSettingsStore();
        MainWindowSettings settings;
        std::unique_ptr<TID3TagUseful> library;
        Library access;
        QWidget window;
        std::unique_ptr<OptionsController> options;
        QList<OptionsOutcome> outcomes;
        Setup()
        {
            library = std::make_unique<TID3TagUseful>(programPath(u""));
            library->setSaveCachesOnDestroy(false);
            access.library = library.get();
            options = std::make_unique<OptionsController>(access, [this] { return store.get(); }, settings, &window);
            QObject::connect(options.get(), &OptionsController::optionsApplied,
                             [this](const OptionsOutcome &o) { outcomes << o; });
        }
        template <typename W> W *find(const char *name)
        {
            return options->dialog()->findChild<W *>(QString::fromLatin1(name));
        }
        // Opens the dialog on a page, runs `act` inside it, then presses OK or cancel.
        bool run(int page, const std::function<void()> &act, bool ok)
        {
            QTimer::singleShot(0, [this, act, ok] {
                act();
                QTest::mouseClick(find<QPushButton>(ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
            });
            return options->open(page);
        }
    };

private slots:
    void openingCommandChoosesThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("デフォルトフォルダ設定") << 0;
        QTest::newRow("MP3再生ソフト設定") << 1;
        QTest::newRow("UI設定") << 2;
        QTest::newRow("表示設定") << 3;
        QTest::newRow("その他設定") << 4;
    }
    void openingCommandChoosesThePage()
    {
        QFETCH(int, page);
        Setup s;
        int shown = -1;
        QVERIFY(!s.run(page, [&] { shown = s.find<QTabWidget>("PageControl1")->currentIndex(); }, false));
        QCOMPARE(shown, page);
        QCOMPARE(s.options->dialog()->windowTitle(), QStringLiteral("環境設定"));
    }

    void okTakesTheFieldsBack()
    {
        Setup s;
        const bool accepted = s.run(0, [&] {
            auto *dir = s.find<QLineEdit>("Edit_MP3Dir");
            dir->clear();
            QTest::keyClicks(dir, QStringLiteral("/home/u/Music"));
            s.find<QCheckBox>("CheckBox_FirstCache")->setChecked(true);
            s.find<QRadioButton>("Radio_ID3v1")->setChecked(true);
            s.find<QCheckBox>("CheckBox_GenreCode")->setChecked(false);
            s.find<QRadioButton>("Radio_ProxyManual")->setChecked(true);
            s.find<QLineEdit>("Edit_ProxyPort")->setText(QStringLiteral("3128"));
            s.find<QCheckBox>("CheckBox_SourceDeezer")->setChecked(false);
        }, true);
        QVERIFY(accepted);
        QCOMPARE(s.settings.musicFolder, QStringLiteral("/home/u/Music/"));
        QVERIFY(s.settings.cacheOnly && s.library->CacheOnly);
        QVERIFY(!s.settings.preferV2 && !s.library->PreferV2);
        QVERIFY(!s.settings.genreCodeInText && !s.library->GenreCodeInText);
        QCOMPARE(s.settings.proxyUse, 2);
        QCOMPARE(s.settings.proxyPort, QStringLiteral("3128"));
        QCOMPARE(s.outcomes.size(), 1);
        QVERIFY(!s.outcomes[0].rebuildTrees);
        // V2DefaultCharCode and the search sources reach the file at once;
        // the other settings wait for the save at shutdown.
        const QString ini = s.store->IniFileName;
        QCOMPARE(readProfileString(ini, u"MP3Param", u"V2DefaultCharCode", {}), QStringLiteral("0"));
        QCOMPARE(readProfileString(ini, u"MP3Param", u"CoverSearchSources", {}), QStringLiteral("mb"));
        QCOMPARE(readProfileString(ini, u"MP3Param", u"MP3Dir", QStringLiteral("unset")), QStringLiteral("unset"));
    }

    void cancelChangesNothing()
    {
        Setup s;
        const MainWindowSettings before = s.settings;
        QVERIFY(!s.run(0, [&] { s.find<QLineEdit>("Edit_MP3Dir")->setText(QStringLiteral("/x")); }, false));
        QVERIFY(s.settings == before);
        QVERIFY(s.outcomes.isEmpty());
        QVERIFY(!QFile::exists(s.store->IniFileName));
    }

    void untickedGenreRebuildsTheTrees()
    {
        Setup s;
        QVERIFY(s.run(3, [&] {
            auto *list = s.find<QListWidget>("CheckListBox1");
            const auto rock = list->findItems(QStringLiteral("Rock"), Qt::MatchExactly);
            QCOMPARE(rock.size(), 1);
            rock[0]->setCheckState(Qt::Unchecked);
        }, true));
        QCOMPARE(s.settings.hiddenGenres, QStringList{QStringLiteral("Rock")});
        QVERIFY(s.outcomes.last().rebuildTrees);
        // Opened and confirmed again without a click: no rebuild.
        QVERIFY(s.run(3, [] {}, true));
        QVERIFY(!s.outcomes.last().rebuildTrees);
        QCOMPARE(s.settings.hiddenGenres, QStringList{QStringLiteral("Rock")});
    }

    void compilationRemovalIsKeptOnlyByOk()
    {
        Setup s;
        QVERIFY(s.library->AddCompilation(QStringLiteral("Best Of")).ok());
        auto removeFirst = [&] {
            auto *list = s.find<QListWidget>("ListBox_Compilation");
            QCOMPARE(list->count(), 1);
            list->setCurrentRow(0);
            QTest::mouseClick(s.find<QPushButton>("Btn_CompilationDelete"), Qt::LeftButton);
            QCOMPARE(list->count(), 0);
        };
        QVERIFY(!s.run(3, removeFirst, false));
        QCOMPARE(s.library->Compilations(), QStringList{QStringLiteral("Best Of")});
        QVERIFY(s.run(3, removeFirst, true));
        QVERIFY(s.library->Compilations().isEmpty());
        QVERIFY(s.outcomes.last().compilationsChanged);
    }

    void whiteOnBlackAppliedToTheTrackListOnly()
    {
        Setup s;
        const MainWindowSettings before = s.settings;
        int applied = 0;
        connect(s.options.get(), &OptionsController::uiApplied, this, [&](bool trackList, bool trees) {
            ++applied;
            QVERIFY(trackList);
            QVERIFY(!trees);
        });
        QVERIFY(!s.run(2, [&] {
            s.find<QCheckBox>("CheckBox_ApplyArtist")->setChecked(false);
            QTest::mouseClick(s.find<QPushButton>("Btn_Preset0"), Qt::LeftButton); // 白/黒
            QTest::mouseClick(s.find<QPushButton>("Btn_UISet"), Qt::LeftButton);
            QCOMPARE(s.options->dialog()->currentSample(), s.options->dialog()->newSample());
        }, false)); // cancelled, yet "適用" has taken effect
        QCOMPARE(applied, 1);
        QCOMPARE(s.settings.trackListFont.color, colors::White);
        QCOMPARE(s.settings.trackListColor, colors::Black);
        QVERIFY(s.settings.treeColor == before.treeColor);
        QVERIFY(s.settings.rowColor1 == before.rowColor1);
    }

    void fieldCommands()
    {
        Setup s;
        QVERIFY(!s.run(1, [&] {
            auto *player = s.find<QLineEdit>("Edit_Player");
            s.find<QRadioButton>("Radio_Play0")->click();
            QVERIFY(!player->isEnabled());
            s.find<QRadioButton>("Radio_Play1")->click();
            QVERIFY(player->isEnabled());
            QTest::keyClicks(player, QStringLiteral("x"));
            QVERIFY(s.find<QRadioButton>("Radio_Play1")->isChecked());
            auto *fav = s.find<QLineEdit>("Edit_FavDir");
            fav->setText(QStringLiteral("/lists"));
            emit fav->editingFinished();
            QCOMPARE(fav->text(), QStringLiteral("/lists/"));
        }, false));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
