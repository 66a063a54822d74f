#include "Naming.h"

#include <set>
#include <string>
#include <string_view>

namespace dered::worldgen {

namespace {

constexpr size_t MaxNameLength = 24;

const char* const Starts[] = {
    "Ab",  "Ald", "Ar",   "Bel", "Bran", "Cal",  "Cor",  "Dar",  "Drev", "Dun",
    "Eb",  "Esk", "Fal",  "Fen", "Gal",  "Gorm", "Hal",  "Hesk", "Il",   "Ist",
    "Jor", "Kal", "Kest", "Lor", "Lun",  "Mer",  "Mirr", "Nar",  "Nol",  "Orv",
    "Ost", "Pel", "Quar", "Ral", "Ros",  "Sal",  "Tal",  "Thal", "Tor",  "Ul",
    "Var", "Vel", "Wend", "Yr",  "Zan",  "Brim", "Cael", "Skar", "Teg",  "Ov",
};
const char* const Middles[] = {"", "", "", "a", "e", "i", "o", "an", "en", "ar", "el", "or", "is"};
const char* const Ends[] = {
    "dor", "mar", "holt", "wen", "ris", "thal", "mere", "ven", "dell", "rith", "var", "ost",
    "und", "esk", "ria",  "eth", "ion", "oth",  "ax",   "orn", "avel", "uin",  "ey",  "ach",
};
const char* const LandWords[] = {"March", "Vale", "Reach", "Downs", "Heath", "Moor",
                                 "Hills", "Fen",  "Wold",  "Plain", "Marsh", "Forest"};
const char* const MountainWords[] = {"Mountains", "Peaks", "Heights", "Crags", "Range"};

template <size_t N> const char* Pick(const char* const (&items)[N], Rng& rng) {
    return items[rng.Below(static_cast<int>(N))];
}

bool IsVowel(char c) {
    return std::string_view("aeiouyAEIOUY").find(c) != std::string_view::npos;
}

std::string Word(Rng& rng) {
    for (;;) {
        std::string word = std::string(Pick(Starts, rng)) + Pick(Middles, rng) + Pick(Ends, rng);
        // Three of a letter in a row, or two vowels meeting at a joint, reads badly.
        bool awkward = false;
        for (size_t i = 1; i < word.size(); ++i) {
            const std::string pair = word.substr(i - 1, 2);
            const bool vowels = IsVowel(word[i - 1]) && IsVowel(word[i]);
            awkward = awkward || (vowels && pair != "ia" && pair != "io" && pair != "ea") ||
                      (i >= 2 && word[i] == word[i - 1] && word[i] == word[i - 2]);
        }
        if (!awkward && word.size() <= 10) {
            return word;
        }
    }
}

class Namer {
  public:
    Namer(World& world, Rng& rng) : world_(world), rng_(rng) {}

    void Run() {
        for (int a = 1; a <= AreaCount; ++a) {
            WorldArea& area = world_.areas[a];
            if (area.kind == Kind::Land) {
                area.name = Unique([&] { return area.terrain == 4 ? Mountain() : Land(area); });
            }
        }
        for (int a = 1; a <= AreaCount; ++a) {
            WorldArea& area = world_.areas[a];
            if (area.kind == Kind::Water) {
                area.name = Unique([&] { return Water(area); });
            } else if (area.kind == Kind::PolarSea) {
                area.name = Unique([&] { return Word(rng_) + " Ice Sea"; });
            }
        }
        world_.areas[IceArea].name = "Polar Ice";
    }

  private:
    template <typename Make> std::string Unique(Make make) {
        for (;;) {
            std::string name = make();
            if (name.size() <= MaxNameLength && name != "Polar Ice" && used_.insert(name).second) {
                return name;
            }
        }
    }

    std::string Land(const WorldArea& area) {
        const int roll = rng_.Below(100);
        if (roll < 66) {
            return Word(rng_);
        }
        if (roll < 86) {
            return Word(rng_) + " " + Pick(LandWords, rng_);
        }
        if (roll < 95 && area.terrain == 2) {
            return std::string(rng_.Below(2) ? "Cape " : "Port ") + Word(rng_);
        }
        return std::string(rng_.Below(2) ? "Upper " : "Lower ") + Word(rng_);
    }

    std::string Mountain() { return Word(rng_) + " " + Pick(MountainWords, rng_); }

    // The name of a neighbouring land area, when it is one plain word, ties the water to its
    // shore; otherwise a word of its own.
    std::string ShoreWord(const WorldArea& area) {
        if (rng_.Below(3) > 0) {
            for (int n : area.neighbours) {
                const std::string& shore = world_.areas[n].name;
                if (world_.areas[n].kind == Kind::Land && !shore.empty() &&
                    shore.find(' ') == std::string::npos && rng_.Below(2) == 0) {
                    return shore;
                }
            }
        }
        return Word(rng_);
    }

    std::string Water(const WorldArea& area) {
        int land = 0;
        int water = 0;
        std::set<int> shores;
        for (int n : area.neighbours) {
            const WorldArea& other = world_.areas[n];
            if (other.kind == Kind::Land) {
                ++land;
                shores.insert(other.landmass);
            } else if (other.kind != Kind::Ice) {
                ++water;
            }
        }
        if (land == 0) {
            return Word(rng_) + " Ocean";
        }
        if (water <= 1) {
            return "Gulf of " + ShoreWord(area);
        }
        if (shores.size() >= 2 && water <= 3) {
            return rng_.Below(2) ? ShoreWord(area) + " Strait" : "Strait of " + ShoreWord(area);
        }
        return rng_.Below(2) ? ShoreWord(area) + " Sea" : "Sea of " + ShoreWord(area);
    }

    World& world_;
    Rng& rng_;
    std::set<std::string> used_;
};

} // namespace

void NameAreas(World& world, Rng& rng) {
    Namer(world, rng).Run();
}

} // namespace dered::worldgen
