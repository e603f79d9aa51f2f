#include "scores/high_scores.h"

#include "scores/name_dialog.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"

void showScoreTable()
{
    ScoreTable table = readScoreTable();
    for (int k = 1; k <= static_cast<int>(SCORE_TABLE_ENTRIES); ++k) {
        const ScoreEntry &entry = table[static_cast<std::size_t>(k - 1)];
        textprintf_ex(WorldBitmap, font, 100, 20 * k, makecol(255, 255, 255), -1, "%d) %s - Lvl.%s - %spts.", k,
                      scoreFieldText(entry.name).c_str(), scoreFieldText(entry.level).c_str(),
                      scoreFieldText(entry.score).c_str());
    }
    blit(WorldBitmap, screen, 0, 0, 0, 0, 800, 600);
}

void askForNameIfEarned(bool earnsPlace)
{
    if (earnsPlace) runNameDialog();
}

void (*NameEntrySource)(bool) = askForNameIfEarned;

void checkHighScore()
{
    NameEntrySource(scoreEarnsPlace(readScoreTable(), Score));
    showScoreTable();
}

int recordScore(DIALOG *)
{
    // Read afresh: the table on disk is the one that counts.
    ScoreTable table = readScoreTable();
    if (insertScore(table, Score, PlayerName, LevelIndex + 1)) writeScoreTable(table);
    playEffect(SoundEffect::ScoreRecorded);
    return D_CLOSE;
}
