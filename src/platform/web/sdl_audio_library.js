// SDL's browser audio calls two helpers of emscripten's own library without declaring that it
// needs them; this function declares it, and the front end calls it before opening the audio.
mergeInto(LibraryManager.library, {
  dunspelt_keep_sdl_audio_helpers__deps: ["$autoResumeAudioContext", "$dynCall"],
  dunspelt_keep_sdl_audio_helpers: function () {},
});
