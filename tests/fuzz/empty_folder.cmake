# Leaves the folder ${dir} empty, made anew.
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
