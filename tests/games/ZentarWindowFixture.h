// A fresh Zentar window for each test, on the shipped maps, with a helper to place aliens.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

class ZentarWindowFixture : public testsupport::GameWindowFixture<ZentarForm> {
protected:
    struct AlienAt {
        std::int32_t type = 0;
        double x = 0;
        double y = 0;
        bool visible = true;
    };

    void SetUp() override
    {
        GameWindowFixture::SetUp();
        UseShippedMaps();
    }

    // Replaces the level's aliens (as a map with these aliens would) and sets the level up again.
    void PlaceAliens(std::initializer_list<AlienAt> aliens)
    {
        namespace zc = ZentarCommon;
        zc::MapAliens.clear();
        for (const AlienAt& at : aliens) {
            SpriteClass alien;
            alien.id = at.type;
            alien.X = at.x;
            alien.Y = at.y;
            zc::MapAliens.push_back(alien);
        }
        form.PrepareLevelGraphics();
        form.AlienStarts = zc::MapAliens;
        for (std::size_t i = 0; i < zc::MapAliens.size(); ++i) {
            zc::MapAliens[i].visible = aliens.begin()[i].visible;
        }
        form.InitLevel(false, false);
    }

    void Start()
    {
        form.NowTime = GameUtil::GetTickMs();
        form.StartGame();
    }
};
