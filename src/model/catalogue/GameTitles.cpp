#include "model/catalogue/GameTitles.h"

namespace torvane::model::catalogue {

// Image names follow the title, without the characters a file name cannot
// hold; games that share a title share the picture.
constinit const std::array<GameInfo, kGameCount> kGameInfo{{
    {"Call of Duty: Ghosts", "Call of Duty Ghosts.png"},                                                  // 0
    {"Call of Duty: Black Ops 2", "Call of Duty Black Ops 2.png"},                                        // 1
    {"Call of Duty: Modern Warfare 3", "Call of Duty Modern Warfare 3.png"},                              // 2
    {"Watch Dogs", "Watch Dogs.png"},                                                                     // 3
    {"Killzone 3", "Killzone 3.png"},                                                                     // 4
    {"Killzone Shadow Fall", "Killzone Shadow Fall.png"},                                                 // 5
    {"HALO 3", "HALO 3.png"},                                                                             // 6
    {"HALO 4", "HALO 4.png"},                                                                             // 7
    {"Battlefield 3", "Battlefield 3.png"},                                                               // 8
    {"Battlefield 4", "Battlefield 4.png"},                                                               // 9
    {"Gears of War 3", "Gears of War 3.png"},                                                             // 10
    {"Titanfall", "Titanfall.png"},                                                                       // 11
    {"Plants vs Zombies Garden Warfare", "Plants vs Zombies Garden Warfare.png"},                         // 12
    {"Blacklight Retribution", "Blacklight Retribution.png"},                                             // 13
    {"Uncharted 3", "Uncharted 3.png"},                                                                   // 14
    {"The Last of Us", "The Last of Us.png"},                                                             // 15
    {"War Frame", "War Frame.png"},                                                                       // 16
    {"Wolfenstein The New Order", "Wolfenstein The New Order.png"},                                       // 17
    {"Custom Game", "Custom Game.png"},                                                                   // 18
    {"Destiny", "Destiny.png"},                                                                           // 19
    {"Dead Rising3", "Dead Rising3.png"},                                                                 // 20
    {"Sniper Elite V3", "Sniper Elite V3.png"},                                                           // 21
    {"Transformers: Rise of the Dark Spark", "Transformers Rise of the Dark Spark.png"},                  // 22
    {"Call of Duty: Advanced Warfare", "Call of Duty Advanced Warfare.png"},                              // 23
    {"Grand Theft Auto V", "Grand Theft Auto V.png"},                                                     // 24
    {"Far Cry4", "Far Cry4.png"},                                                                         // 25
    {"Minecraft", "Minecraft.png"},                                                                       // 26
    {"Battlefield: Hardline", "Battlefield Hardline.png"},                                                // 27
    {"Evolve", "Evolve.png"},                                                                             // 28
    {"Dying Light", "Dying Light.png"},                                                                   // 29
    {"Outlast", "Outlast.png"},                                                                           // 30
    {"Need for Speed: Rivals", "Need for Speed Rivals.png"},                                              // 31
    {"Drive Club", "Drive Club.png"},                                                                     // 32
    {"The Crew", "The Crew.png"},                                                                         // 33
    {"Alien: Isolation", "Alien Isolation.png"},                                                          // 34
    {"The Order: 1886", "The Order 1886.png"},                                                            // 35
    {"Shadow Warrior", "Shadow Warrior.png"},                                                             // 36
    {"Assassin's Creed IV", "Assassin's Creed IV.png"},                                                   // 37
    {"Assassin's Creed: Unity", "Assassin's Creed Unity.png"},                                            // 38
    {"Resident Evil Revelations 2", "Resident Evil Revelations 2.png"},                                   // 39
    {"Metro: Last Light", "Metro Last Light.png"},                                                        // 40
    {"Metro 2033", "Metro 2033.png"},                                                                     // 41
    {"Metal Gear Solid V: Ground Zeroes", "Metal Gear Solid V Ground Zeroes.png"},                        // 42
    {"Project Cars", "Project Cars.png"},                                                                 // 43
    {"Need For Speed Hot Pursuit", "Need For Speed Hot Pursuit.png"},                                     // 44
    {"Forza 5", "Forza 5.png"},                                                                           // 45
    {"Drive Club", "Drive Club.png"},                                                                     // 46
    {"Halo 4", "Halo 4.png"},                                                                             // 47
    {"Halo 5: Guardians", "Halo 5 Guardians.png"},                                                        // 48
    {"Star Wars Battlefront", "Star Wars Battlefront.png"},                                               // 49
    {"Call of Duty: Black Ops3", "Call of Duty Black Ops3.png"},                                          // 50
    {"Fallout 4", "Fallout 4.png"},                                                                       // 51
    {"Rise of the Tomb Raider", "Rise of the Tomb Raider.png"},                                           // 52
    {"Rainbow Six: Siege", "Rainbow Six Siege.png"},                                                      // 53
    {"F1 2015", "F1 2015.png"},                                                                           // 54
    {"Gears of War: Ultimate Edition", "Gears of War Ultimate Edition.png"},                              // 55
    {"Plants vs Zombies: Garden Warfare 2", "Plants vs Zombies Garden Warfare 2.png"},                    // 56
    {"Far Cry Primal", "Far Cry Primal.png"},                                                             // 57
    {"The Division", "The Division.png"},                                                                 // 58
    {"Sebastien Loeb Rally Evo", "Sebastien Loeb Rally Evo.png"},                                         // 59
    {"Forza 6", "Forza 6.png"},                                                                           // 60
    {"Need For Speed: 19", "Need For Speed 19.png"},                                                      // 61
    {"Uncharted 4", "Uncharted 4.png"},                                                                   // 62
    {"Doom", "DOOM.png"},                                                                                 // 63
    {"Overwatch", "Overwatch.png"},                                                                       // 64
    {"Dirt Rally", "Dirt Rally.png"},                                                                     // 65
    {"Forza Horizon 2", "Forza Horizon 2.png"},                                                           // 66
    {"F1 2016", "F1 2016.png"},                                                                           // 67
    {"Assetto Corsa", "Assetto Corsa.png"},                                                               // 68
    {"Battlefield 1", "Battlefield 1.png"},                                                               // 69
    {"Gears of War: 4", "Gears of War 4.png"},                                                            // 70
    {"Forza Horizon 3", "Forza Horizon 3.png"},                                                           // 71
    {"Titanfall 2", "Titanfall 2.png"},                                                                   // 72
    {"Call of Duty: Infinite Warfare", "Call of Duty Infinite Warfare.png"},                              // 73
    {"WRC5", "WRC5.png"},                                                                                 // 74
    {"Call of Duty: Modern Warfare", "Call of Duty Modern Warfare.png"},                                  // 75
    {"Ghost Recon: Wildlands", "Ghost Recon Wildlands.png"},                                              // 76
    {"Paladins", "Paladins.png"},                                                                         // 77
    {"Horizon: Zero Dawn", "Horizon Zero Dawn.png"},                                                      // 78
    {"Killing Floor: 2", "Killing Floor 2.png"},                                                          // 79
    {"Resident Evil 7: Biohazard", "Resident Evil 7 Biohazard.png"},                                      // 80
    {"Splatoon 2", "Splatoon 2.png"},                                                                     // 81
    {"Destiny 2", "Destiny 2.png"},                                                                       // 82
    {"DJMax Respect", "DJMax Respect.png"},                                                               // 83
    {"DIRT 4", "DIRT 4.png"},                                                                             // 84
    {"WRC6", "WRC6.png"},                                                                                 // 85
    {"Call of Duty: WWII", "Call of Duty WWII.png"},                                                      // 86
    {"F1 2017", "F1 2017.png"},                                                                           // 87
    {"Project Cars2", "Project Cars2.png"},                                                               // 88
    {"GT Sport", "GT Sport.png"},                                                                         // 89
    {"Expert Mode Beta", "G920.png"},                                                                     // 90
    {"Metal Gear Solid V: The Phantom Pain", "Metal Gear Solid V The Phantom Pain.png"},                  // 91
    {"Doom", "DOOM_FOR_SWTICH.png"},                                                                      // 92
    {"Alienation", "Alienation.png"},                                                                     // 93
    {"Star Wars Battlefront2", "Star Wars Battlefront2.png"},                                             // 94
    {"PlayerUnknown's Battlegrounds", "PlayerUnknown's Battlegrounds.png"},                               // 95
    {"Monster Hunter: World", "Monster Hunter World.png"},                                                // 96
    {"Far Cry5", "Far Cry5.png"},                                                                         // 97
    {"Fortnite: Battle Royale", "Fortnite Battle Royale.png"},                                            // 98
    {"H1Z1: Battle Royale", "H1Z1 Battle Royale.png"},                                                    // 99
    {"Fortnite", "Fortnite.png"},                                                                         // 100
    {"Paladins", "Paladins.png"},                                                                         // 101
    {"Minecraft: NS Edition", "Minecraft NS Edition.png"},                                                // 102
    {"Minecraft", "Minecraft.png"},                                                                       // 103
    {"Zelda BOTW", "Zelda BOTW.png"},                                                                     // 104
    {"Battlefield V", "Battlefield V.png"},                                                               // 105
    {"Morphies Law", "Morphies Law.png"},                                                                 // 106
    {"Warface", "Warface.png"},                                                                           // 107
    {"Call of Duty: Black Ops4", "Call of Duty Black Ops4.png"},                                          // 108
    {"Red Dead: R2-FPS", "Red Dead R2-FPS.png"},                                                          // 109
    {"Red Dead: R2-TPS", "Red Dead R2-TPS.png"},                                                          // 110
    {"PlayerUnknown's Battlegrounds", "PlayerUnknown's Battlegrounds.png"},                               // 111
    {"Realm Royale", "Realm Royale.png"},                                                                 // 112
    {"Apex Legends", "Apex Legends.png"},                                                                 // 113
    {"Anthem", "Anthem.png"},                                                                             // 114
    {"The Division 2", "The Division 2.png"},                                                             // 115
    {"World War Z", "World War Z.png"},                                                                   // 116
    {"Days Gone", "Days Gone.png"},                                                                       // 117
    {"Borderlands 3", "Borderlands 3.png"},                                                               // 118
    {"Watch Dogs 2", "Watch Dogs 2.png"},                                                                 // 119
    {"Gears Of War 5", "Gears Of War 5.png"},                                                             // 120
    {"Elder Scroll Online-FPS", "Elder Scroll Online-FPS.png"},                                           // 121
    {"Elder Scroll Online-TPS", "Elder Scroll Online-TPS.png"},                                           // 122
    {"Minecraft", "Minecraft.png"},                                                                       // 123
    {"Crackdown 3: Campaign", "Crackdown 3 Campaign.png"},                                                // 124
    {"The Elder Scroll V: Skyrim", "The Elder Scroll V Skyrim.png"},                                      // 125
    {"Sniper Elite 4", "Sniper Elite 4.png"},                                                             // 126
    {"Plants vs. Zombies: Battle for Neighborville", "Plants vs. Zombies Battle for Neighborville.png"},  // 127
    {"Payday 2: Crimewave Edition", "Payday 2 Crimewave Edition.png"},                                    // 128
    {"Dead Rising 4", "Dead Rising 4.png"},                                                               // 129
    {"Metal Gear Survive", "Metal Gear Survive.png"},                                                     // 130
    {"Call Of Duty: Modern Warfare(2019)", "Call Of Duty Modern Warfare(2019).png"},                      // 131
    {"Need For Speed: Heat", "Need For Speed Heat.png"},                                                  // 132
    {"Doom Eternal", "Doom Eternal.png"},                                                                 // 133
    {"Day Z", "Day Z.png"},                                                                               // 134
    {"Cyberpunk 2077", "Cyberpunk 2077.png"},                                                             // 135
    {"Call Of Duty: Black Ops Cold War", "Call Of Duty Black Ops Cold War.png"},                          // 136
}};

}  // namespace torvane::model::catalogue
