// Writes the game's sounds into the wav folder given on the command line.
#include "sound_synth/game_sounds.h"
#include "sound_synth/mastering.h"
#include "sound_synth/wav_writer.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sound_synth <wav folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (const GameSound& sound : gameSounds())
            writeWav(folder / (std::string(sound.name) + ".wav"),
                     master(sound.render(), sound.peak));
    } catch (const std::exception& error) {
        std::cerr << "sound_synth: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
